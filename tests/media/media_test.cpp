// The wave parser on good and broken images, and the sound slots.
#include "WaveImage.h"
#include "catalogue.h"
#include "mdlSound.h"

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

QByteArray format(int channels, int rate, int bits, int tag = 1)
{
    const int align = channels * bits / 8;
    return le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) + le(align, 2) + le(bits, 2);
}

QByteArray riff(const QByteArray &chunks) { return "RIFF" + le(quint32(chunks.size() + 4), 4) + "WAVE" + chunks; }

// Parsed from a heap block of exactly the image's size: a sanitizer build
// catches any read past its end.
WaveSound parseExactly(const QByteArray &image)
{
    const std::vector<char> exact(image.begin(), image.end());
    return parseWave(QByteArray::fromRawData(exact.data(), qsizetype(exact.size())));
}

const QByteArray mono = format(1, 22050, 8), stereo = format(2, 44100, 16), samples = "0123456789abcdef";

} // namespace

class MediaTest : public QObject {
    Q_OBJECT

private slots:
    void playableImages()
    {
        struct { const char *what; QByteArray image, samples; int channels; } rows[] = {
            {"8-bit mono", riff(chunk("fmt ", mono) + chunk("data", samples)), samples, 1},
            {"fact chunk, pad byte, LIST and stray bytes",
             riff(chunk("fmt ", stereo) + chunk("fact", "abc") + chunk("data", samples) + chunk("LIST", "INFO")) + "\0\0",
             samples, 2},
            {"odd number of samples, then the pad byte", riff(chunk("fmt ", mono) + chunk("data", "abcde") + chunk("x   ", "")),
             "abcde", 1},
            {"half a frame at the end dropped", riff(chunk("fmt ", stereo) + chunk("data", samples + "xyz")), samples, 2},
            {"samples before the format", riff(chunk("data", samples) + chunk("fmt ", mono)), samples, 1},
        };
        for (const auto &row : rows) {
            const WaveSound sound = parseExactly(row.image);
            QVERIFY2(sound.samples == row.samples && sound.format.channels == row.channels, row.what);
        }
    }

    void brokenImagesPlayNothing()
    {
        const QByteArray good = riff(chunk("fmt ", mono) + chunk("data", samples));
        const QByteArray rows[] = {
            "RIFX" + good.mid(4), good.left(8) + "AVI " + good.mid(12), riff(chunk("fmt ", mono)),
            riff(chunk("data", samples)), riff(chunk("fmt ", mono) + "data" + le(17, 4) + samples),
            riff(chunk("fmt ", mono.left(14)) + chunk("data", samples)),
            riff(chunk("fmt ", mono) + "LIST" + le(0xffffffff, 4) + chunk("data", samples)),
            riff(chunk("fmt ", mono) + "junk" + le(3, 4) + "abc" + chunk("data", samples)), // pad byte missing
            riff(chunk("fmt ", mono)) + chunk("data", samples), riff(chunk("fmt ", mono) + chunk("data", "")),
            riff(chunk("fmt ", format(1, 22050, 32, 3)) + chunk("data", samples)),
            riff(chunk("fmt ", format(1, 22050, 24)) + chunk("data", samples)),
            riff(chunk("fmt ", format(3, 22050, 8)) + chunk("data", samples)),
            riff(chunk("fmt ", format(1, 0, 8)) + chunk("data", samples)),
        };
        for (const QByteArray &image : rows)
            QVERIFY2(parseExactly(image).isEmpty(), image.toHex().constData());
    }

    void imageCutAnywhereBeforeTheEndOfItsSamplesPlaysNothing()
    {
        const QByteArray image = riff(chunk("fmt ", mono + le(0, 2)) + chunk("fact", "abc") + chunk("data", "abcde")
                                      + chunk("LIST", "INFO"));
        const qsizetype samplesEnd = image.indexOf("abcde") + 5;
        for (qsizetype length = 0; length <= image.size(); ++length)
            QVERIFY2(parseExactly(image.left(length)).samples == (length < samplesEnd ? "" : "abcde"),
                     qPrintable(QString("cut at %1").arg(length)));
    }

    void eachSlotHoldsItsResource()
    {
        QVERIFY(mdlSound::slotBytes(Sound::sndFlip).isEmpty());
        mdlSound::LoadWaves();
        const int waves[] = {102, 103, 104, 105, 106, 108}; // in Sound order
        for (int i = 0; i < 6; ++i) {
            const QByteArray &bytes = mdlSound::slotBytes(Sound(i));
            QVERIFY(!parseWave(bytes).isEmpty());
            QCOMPARE(bytes, Catalogue::LoadResData(waves[i], "WAVE"));
        }
    }
};

QTEST_GUILESS_MAIN(MediaTest)
#include "media_test.moc"
