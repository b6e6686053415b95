// Reading the playable sound out of WAVE images, good and broken.
#include "WaveBuilder.h"
#include "WaveImage.h"

#include <QTest>

#include <vector>

using namespace WaveBuilder;

namespace {

// Parses a copy held in a heap block of exactly the image's size, so that a
// sanitizer build catches any read past the end.
WaveSound parseExactly(const QByteArray &image)
{
    const std::vector<char> exact(image.begin(), image.end());
    return parseWave(QByteArray::fromRawData(exact.data(), qsizetype(exact.size())));
}

const QByteArray monoFormat = pcmFormat(1, 22050, 8);
const QByteArray stereoFormat = pcmFormat(2, 44100, 16);

} // namespace

class WaveImageTest : public QObject {
    Q_OBJECT

private slots:
    void playableImageGivesItsFormatAndSamples_data();
    void playableImageGivesItsFormatAndSamples();
    void brokenOrUnsupportedImagePlaysNothing_data();
    void brokenOrUnsupportedImagePlaysNothing();
    void imageCutAnywhereBeforeTheEndOfItsSamplesPlaysNothing();
};

void WaveImageTest::playableImageGivesItsFormatAndSamples_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QByteArray>("samples");

    const int u8 = 8, s16 = 16;
    const QByteArray samples = ramp(40);
    QTest::newRow("8-bit mono 22050 Hz")
        << riff({chunk("fmt ", monoFormat), chunk("data", samples)}) << 1 << 22050 << u8 << samples;
    QTest::newRow("16-bit stereo 44100 Hz")
        << riff({chunk("fmt ", stereoFormat), chunk("data", samples)}) << 2 << 44100 << s16
        << samples;
    QTest::newRow("format with cbSize, then a fact chunk")
        << riff({chunk("fmt ", pcmFormat(1, 22050, 8, true)), chunk("fact", le32(40)),
                 chunk("data", samples)})
        << 1 << 22050 << u8 << samples;
    QTest::newRow("LIST chunk and stray bytes after the samples")
        << riff({chunk("fmt ", stereoFormat), chunk("data", samples),
                 chunk("LIST", "INFOISFT" + le32(5) + "Tool")})
               + "\0\0"
        << 2 << 44100 << s16 << samples;
    QTest::newRow("odd-sized chunk and its pad byte before the samples")
        << riff({chunk("fmt ", monoFormat), chunk("junk", "abc"), chunk("data", samples)}) << 1
        << 22050 << u8 << samples;
    QTest::newRow("odd number of 8-bit samples, then the pad byte")
        << riff({chunk("fmt ", monoFormat), chunk("data", ramp(5)), chunk("LIST", "INFO")}) << 1
        << 22050 << u8 << ramp(5);
    QTest::newRow("a half frame at the end is dropped")
        << riff({chunk("fmt ", stereoFormat), chunk("data", ramp(43))}) << 2 << 44100 << s16
        << ramp(40);
    QTest::newRow("samples before the format")
        << riff({chunk("data", samples), chunk("fmt ", monoFormat)}) << 1 << 22050 << u8
        << samples;
}

void WaveImageTest::playableImageGivesItsFormatAndSamples()
{
    QFETCH(QByteArray, image);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFETCH(QByteArray, samples);

    const WaveSound sound = parseExactly(image);
    QCOMPARE(sound.format.channels, channels);
    QCOMPARE(sound.format.sampleRate, rate);
    QCOMPARE(sound.format.bitsPerSample, bits);
    QCOMPARE(sound.samples, samples);
}

void WaveImageTest::brokenOrUnsupportedImagePlaysNothing_data()
{
    QTest::addColumn<QByteArray>("image");

    const QByteArray samples = ramp(40);
    const QByteArray good = riff({chunk("fmt ", monoFormat), chunk("data", samples)});
    QTest::newRow("no bytes") << QByteArray();
    QTest::newRow("RIFF header only") << good.left(12);
    QTest::newRow("not RIFF") << "RIFX" + good.mid(4);
    QTest::newRow("RIFF but not WAVE") << good.left(8) + "AVI " + good.mid(12);
    QTest::newRow("no data chunk") << riff({chunk("fmt ", monoFormat), chunk("fact", le32(0))});
    QTest::newRow("no fmt chunk") << riff({chunk("data", samples)});
    QTest::newRow("data chunk cut short") << good.left(good.size() - 1);
    QTest::newRow("data chunk claims more than there is")
        << riff({chunk("fmt ", monoFormat), QByteArray("data") + le32(41) + samples});
    QTest::newRow("fmt chunk too small for a format")
        << riff({chunk("fmt ", monoFormat.left(14)), chunk("data", samples)});
    QTest::newRow("chunk before the data claims 4 GB")
        << riff({chunk("fmt ", monoFormat), QByteArray("LIST") + le32(0xffffffff),
                 chunk("data", samples)});
    QTest::newRow("odd-sized chunk without its pad byte")
        << riff({chunk("fmt ", monoFormat), QByteArray("junk") + le32(3) + "abc",
                 chunk("data", samples)});
    QTest::newRow("data lies past the end of the RIFF chunk")
        << riff({chunk("fmt ", monoFormat)}) + chunk("data", samples);
    QTest::newRow("no samples") << riff({chunk("fmt ", monoFormat), chunk("data", {})});
    QTest::newRow("floating-point samples")
        << riff({chunk("fmt ", pcmFormat(1, 22050, 32, false, 3)), chunk("data", samples)});
    QTest::newRow("24-bit samples")
        << riff({chunk("fmt ", pcmFormat(1, 22050, 24)), chunk("data", samples)});
    QTest::newRow("three channels")
        << riff({chunk("fmt ", pcmFormat(3, 22050, 8)), chunk("data", samples)});
    QTest::newRow("no channels")
        << riff({chunk("fmt ", pcmFormat(0, 22050, 8)), chunk("data", samples)});
    QTest::newRow("sample rate 0")
        << riff({chunk("fmt ", pcmFormat(1, 0, 8)), chunk("data", samples)});
}

void WaveImageTest::brokenOrUnsupportedImagePlaysNothing()
{
    QFETCH(QByteArray, image);
    QVERIFY(parseExactly(image).isEmpty());
}

void WaveImageTest::imageCutAnywhereBeforeTheEndOfItsSamplesPlaysNothing()
{
    const QByteArray samples = ramp(41);
    const QByteArray image = riff({chunk("fmt ", pcmFormat(1, 22050, 8, true)),
                                   chunk("fact", le32(41)), chunk("data", samples),
                                   chunk("LIST", "INFOISFT" + le32(6) + "Tools")});
    const qsizetype samplesEnd = image.indexOf("data") + 8 + samples.size();
    for (qsizetype length = 0; length <= image.size(); ++length) {
        const WaveSound sound = parseExactly(image.left(length));
        if (length < samplesEnd)
            QVERIFY2(sound.isEmpty(), qPrintable(QString("cut at %1").arg(length)));
        else
            QVERIFY2(sound.samples == samples, qPrintable(QString("cut at %1").arg(length)));
    }
}

QTEST_GUILESS_MAIN(WaveImageTest)
#include "wave_image_test.moc"
