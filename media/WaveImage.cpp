#include "WaveImage.h"

#include "LittleEndian.h"

namespace {

constexpr qsizetype kRiffHeaderSize = 12; // "RIFF", size, "WAVE"
constexpr qsizetype kChunkHeaderSize = 8; // id, size
constexpr qsizetype kPcmFormatSize = 16;
constexpr quint16 pcmTag = 1;

using LittleEndian::U16;
using LittleEndian::U32;

WaveFormat pcmFormat(const char *fmt)
{
    const quint16 tag = U16(fmt), channels = U16(fmt + 2), bits = U16(fmt + 14);
    const quint32 rate = U32(fmt + 4);
    if (tag != pcmTag || channels < 1 || channels > 2 || rate == 0 || rate > 192000
        || (bits != 8 && bits != 16))
        return {};
    return {channels, int(rate), bits};
}

} // namespace

WaveSound ParseWave(const QByteArray &image)
{
    const char *bytes = image.constData();
    if (image.size() < kRiffHeaderSize || !image.startsWith("RIFF")
        || image.mid(8, 4) != "WAVE")
        return {};
    // Bytes after the RIFF chunk belong to no chunk.
    const qsizetype end = qMin<qsizetype>(image.size(), kChunkHeaderSize + U32(bytes + 4));

    WaveFormat format;
    const char *data = nullptr;
    qsizetype dataSize = 0;
    for (qsizetype at = kRiffHeaderSize; at + kChunkHeaderSize <= end;) {
        const QByteArray id = image.mid(at, 4);
        const qsizetype size = U32(bytes + at + 4);
        const qsizetype body = at + kChunkHeaderSize;
        if (size > end - body)
            break;
        if (id == "fmt " && size >= kPcmFormatSize) {
            format = pcmFormat(bytes + body);
        } else if (id == "data") {
            data = bytes + body;
            dataSize = size;
        }
        at = body + size + (size & 1);
    }
    if (!format.isValid() || !data)
        return {};
    // A partial last frame cannot be played.
    dataSize -= dataSize % format.bytesPerFrame();
    return {format, QByteArray(data, dataSize)};
}
