#pragma once
// Numbers stored little-endian in resource bytes: bitmap, cursor and icon
// headers, the chunks of a sound.
#include <QByteArray>
#include <QtEndian>

namespace LittleEndian {

inline quint16 U16(const char *at) { return qFromLittleEndian<quint16>(at); }
inline quint32 U32(const char *at) { return qFromLittleEndian<quint32>(at); }
// From a byte array: 0 where the bytes end before the number does.
inline quint16 U16(const QByteArray &bytes, qsizetype at)
{
    return at >= 0 && at + 2 <= bytes.size() ? U16(bytes.constData() + at) : 0;
}
inline quint32 U32(const QByteArray &bytes, qsizetype at)
{
    return at >= 0 && at + 4 <= bytes.size() ? U32(bytes.constData() + at) : 0;
}

} // namespace LittleEndian
