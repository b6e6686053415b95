#pragma once
// Builds RIFF WAVE images byte by byte, so that tests can make good and
// broken ones alike.
#include <QByteArray>
#include <QtEndian>

#include <initializer_list>

namespace WaveBuilder {

inline QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

inline QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A chunk with its declared size and, after an odd-sized body, the pad byte.
inline QByteArray chunk(const char *id, const QByteArray &body)
{
    return QByteArray(id, 4) + le32(quint32(body.size())) + body
        + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

// A "fmt " body; withCbSize adds the two-byte extension field some writers add.
inline QByteArray pcmFormat(quint16 channels, quint32 rate, quint16 bits, bool withCbSize = false,
                            quint16 tag = 1)
{
    const quint16 blockAlign = quint16(channels * bits / 8);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign)
        + le16(bits) + (withCbSize ? le16(0) : QByteArray());
}

inline QByteArray riff(std::initializer_list<QByteArray> chunks)
{
    QByteArray body("WAVE");
    for (const QByteArray &c : chunks)
        body += c;
    return "RIFF" + le32(quint32(body.size())) + body;
}

// Samples that are easy to tell apart: 0, 1, 2, ...
inline QByteArray ramp(int bytes)
{
    QByteArray b(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        b[i] = char(i);
    return b;
}

} // namespace WaveBuilder
