// The wave parser on good and broken images.
#include "WaveImage.h"

#include <QTest>
#include <QtEndian>

#include <vector>

namespace {

QByteArray le(quint32 v, int bytes)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b.left(bytes);
}

// A chunk with its declared size and, after an odd-sized body, the pad byte.
QByteArray chunk(const char *id, const QByteArray &body)
{
    return QByteArray(id, 4) + le(quint32(body.size()), 4) + body + QByteArray(body.size() % 2, '\0');
}

QByteArray fmt(int channels, int rate, int bits, int tag = 1)
{
    const int align = channels * bits / 8;
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) + le(align, 2) + le(bits, 2));
}

QByteArray riff(const QByteArray &chunks) { return "RIFF" + le(quint32(chunks.size() + 4), 4) + "WAVE" + chunks; }

// Parsed from a heap block of exactly the image's size: a sanitizer build
// catches any read past its end.
WaveSound parseExactly(const QByteArray &image)
{
    const std::vector<char> exact(image.begin(), image.end());
    return ParseWave(QByteArray::fromRawData(exact.data(), qsizetype(exact.size())));
}

const QByteArray mono = fmt(1, 22050, 8), stereo = fmt(2, 44100, 16), data = chunk("data", "0123456789abcdef");

} // namespace

class MediaTest : public QObject {
    Q_OBJECT

private slots:
    void playableAndBrokenImages()
    {
        const std::pair<QByteArray, int> playable[] = { // the image, its channels
            {riff(mono + data), 1},
            {riff(stereo + chunk("fact", "abc") + data + chunk("LIST", "INFO")) + "\0\0", 2}, // pad byte, stray bytes
            {riff(stereo + chunk("data", "0123456789abcdefxyz")), 2}, // half a frame at the end dropped
            {riff(data + mono), 1},
        };
        for (const auto &[image, channels] : playable)
            QVERIFY2(parseExactly(image).samples == "0123456789abcdef"
                         && parseExactly(image).format.channels == channels, image.toHex().constData());
        const QByteArray broken[] = {
            "RIFX" + riff(mono + data).mid(4), riff(mono + data).left(8) + "AVI " + riff(mono + data).mid(12),
            riff(mono), riff(data), riff(mono + "data" + le(17, 4) + "0123456789abcdef"),
            riff(chunk("fmt ", mono.mid(8, 14)) + data), riff(mono + "LIST" + le(0xffffffff, 4) + data),
            riff(mono + "junk" + le(3, 4) + "abc" + data), // the pad byte missing
            riff(mono) + data, riff(mono + chunk("data", "")), riff(fmt(1, 22050, 32, 3) + data),
            riff(fmt(1, 22050, 24) + data), riff(fmt(3, 22050, 8) + data), riff(fmt(1, 0, 8) + data),
        };
        for (const QByteArray &image : broken)
            QVERIFY2(parseExactly(image).isEmpty(), image.toHex().constData());
    }

    void imageCutAnywhereBeforeTheEndOfItsSamplesPlaysNothing()
    {
        const QByteArray image = riff(mono + chunk("fact", "abc") + chunk("data", "abcde") + chunk("LIST", "INFO"));
        const qsizetype samplesEnd = image.indexOf("abcde") + 5;
        for (qsizetype length = 0; length <= image.size(); ++length)
            QVERIFY2(parseExactly(image.left(length)).samples == (length < samplesEnd ? "" : "abcde"),
                     qPrintable(QString("cut at %1").arg(length)));
    }
};

QTEST_GUILESS_MAIN(MediaTest)
#include "media_test.moc"
