#pragma once
// Numbers stored little-endian in resource bytes: bitmap, cursor and icon
// headers, the chunks of a sound.
#include <QByteArray>
#include <QtEndian>

namespace LittleEndian {

inline quint16 u16(const char *at) { return qFromLittleEndian<quint16>(at); }
inline quint32 u32(const char *at) { return qFromLittleEndian<quint32>(at); }
inline quint16 u16(const QByteArray &bytes, qsizetype at) { return u16(bytes.constData() + at); }
inline quint32 u32(const QByteArray &bytes, qsizetype at) { return u32(bytes.constData() + at); }

} // namespace LittleEndian
