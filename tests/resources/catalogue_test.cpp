#include <QtTest>

#include <QFile>

#include "LittleEndian.h"
#include "catalogue.h"

using namespace Catalogue;

namespace {

using LittleEndian::u16;
using LittleEndian::u32;

// Fields of a stored BITMAPINFOHEADER.
int dibWidth(const QByteArray &dib) { return int(u32(dib, 4)); }
int dibHeight(const QByteArray &dib) { return int(u32(dib, 8)); }
int dibBits(const QByteArray &dib) { return u16(dib, 14); }

// How far a picture's twin for high-density screens, brought down to the
// picture's size, lies from it: mean difference per colour channel in 255.
// Twins of the same picture stay below 10; two different pictures of the
// same size lie 16 or more apart.
double twinDistance(const QImage &picture, const QImage &twin)
{
    const QImage a = picture.convertToFormat(QImage::Format_RGB32);
    const QImage b = twin.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return double(sum) / (3.0 * a.width() * a.height());
}

bool stored(const QString &type, int id)
{
    return QFile::exists(QStringLiteral(":/%1/%2").arg(type).arg(id));
}

// The stored bitmaps: their pixels and their bytes, header included.
struct Bitmap {
    int id;
    QSize size;
    int bytes;
};

QList<Bitmap> bitmaps()
{
    QList<Bitmap> list{
        {255, {51, 51}, 8000},     {350, {51, 51}, 8000},     // card backs
        {300, {45, 47}, 6436},     {310, {45, 47}, 6436},     // play button, released and pressed
        {301, {43, 47}, 6248},     {311, {43, 47}, 6248},     // help button
        {400, {223, 221}, 148556}, {401, {223, 221}, 148556}, // lose and win panels
    };
    for (int id = 501; id <= 554; ++id)
        list.append({id, {51, 51}, 8000}); // card faces
    return list;
}

// The sounds as the catalogue lists them; the chunk list names each chunk
// of the RIFF image with the size in its header, in file order.
struct Wave {
    int id;
    int rate, channels, bits;
    const char *chunks;
    int riffImage; // bytes that the RIFF size field covers, plus its 8
    int bytes;     // the whole resource: 105 runs on past its RIFF image
    double seconds;
};

const Wave kWaves[] = {
    {102, 22050, 1, 8, "fmt 16, fact 4, data 924", 980, 980, 0.042},
    {103, 22050, 1, 8, "fmt 18, fact 4, data 42378", 42436, 42436, 1.922},
    {104, 22050, 1, 8, "fmt 16, data 1344", 1388, 1388, 0.061},
    {105, 44100, 2, 16, "fmt 16, data 88484, LIST 74", 88610, 88612, 0.502},
    {106, 22050, 1, 8, "fmt 18, data 5385", 5432, 5432, 0.244},
    {108, 22050, 1, 8, "fmt 16, data 4620", 4664, 4664, 0.210},
};

// The chunks of a RIFF image: tag, size field, offset of the payload.
struct Chunk {
    QByteArray tag;
    quint32 size;
    qsizetype at;
};

QList<Chunk> riffChunks(const QByteArray &image, qsizetype end)
{
    QList<Chunk> chunks;
    qsizetype at = 12;
    while (at + 8 <= end) {
        const quint32 size = u32(image, at + 4);
        chunks.append({image.mid(at, 4), size, at + 8});
        at += 8 + size + (size & 1); // odd payloads carry a pad byte
    }
    return chunks;
}

const Chunk *find(const QList<Chunk> &chunks, const char *tag)
{
    for (const Chunk &c : chunks)
        if (c.tag == tag)
            return &c;
    return nullptr;
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

    void addWaveRows()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kWaves)); ++i)
            QTest::addRow("WAVE %d", kWaves[i].id) << i;
    }

private slots:
    void everyIdentifierIsStoredWithItsByteCount_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("bytes");
        for (const Bitmap &b : bitmaps())
            QTest::addRow("BITMAP %d", b.id) << "BITMAP" << b.id << b.bytes;
        QTest::newRow("CURSOR 101") << "CURSOR" << 101 << 308;
        QTest::newRow("ICON 30001") << "ICON" << 30001 << 2216;
        for (const Wave &w : kWaves)
            QTest::addRow("WAVE %d", w.id) << "WAVE" << w.id << w.bytes;
        QTest::newRow("TEXT 107") << "TEXT" << 107 << 904;
    }
    void everyIdentifierIsStoredWithItsByteCount()
    {
        QFETCH(QString, type);
        QFETCH(int, id);
        QFETCH(int, bytes);
        QVERIFY2(stored(type, id), "not embedded");
        QCOMPARE(LoadResData(id, type).size(), bytes);
    }

    void bitmapsHaveTheirSizeAndDepth_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("size");
        for (const Bitmap &b : bitmaps())
            QTest::addRow("%d", b.id) << b.id << b.size;
    }
    void bitmapsHaveTheirSizeAndDepth()
    {
        QFETCH(int, id);
        QFETCH(QSize, size);
        QVERIFY2(stored("BITMAP", id), "not embedded");
        const QByteArray dib = LoadResData(id, "BITMAP");
        QCOMPARE(u32(dib, 0), 40u);       // a bare info header, no file header
        QCOMPARE(dibBits(dib), 24);
        QCOMPARE(QSize(dibWidth(dib), dibHeight(dib)), size); // positive height: bottom-up rows
        QCOMPARE(LoadResPicture(id).size(), size);

        const QImage twin = LoadResPicture(id, 2);
        QCOMPARE(twin.size(), size * 2);
        QCOMPARE_LT(twinDistance(LoadResPicture(id), twin), 10.0);
    }

    void layoutPicturesHaveTheirSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("window face") << "Picture1" << QSize(302, 390);
        QTest::newRow("sad face") << "imgBad" << QSize(37, 32);
    }
    void layoutPicturesHaveTheirSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QVERIFY2(QFile::exists(":/LAYOUT/" + name), "not embedded");
        QCOMPARE(LoadLayoutPicture(name).size(), size);

        const QImage twin = LoadLayoutPicture(name, 2);
        QCOMPARE(twin.size(), size * 2);
        QCOMPARE_LT(twinDistance(LoadLayoutPicture(name), twin), 10.0);
    }

    void cursorIsA32By32HandWithItsHotSpotOnTheHand()
    {
        QVERIFY2(stored("CURSOR", 101), "not embedded");
        const QByteArray dib = LoadResData(101, "CURSOR").mid(4); // after the hot spot
        QCOMPARE(dibBits(dib), 1);
        QCOMPARE(QSize(dibWidth(dib), dibHeight(dib)), QSize(32, 64)); // shape over mask

        const QCursor cursor = LoadResCursor(101);
        QCOMPARE(cursor.hotSpot(), QPoint(12, 4));
        const QImage shape = cursor.pixmap().toImage();
        QCOMPARE(shape.size(), QSize(32, 32));
        QVERIFY2(qAlpha(shape.pixel(12, 4)) == 255, "the hot spot must lie on the fingertip");
        QVERIFY2(qAlpha(shape.pixel(0, 0)) == 0, "the hand must stand on a transparent ground");

        // On a high-density screen, the hand at the screen's own size.
        const QCursor sharp = LoadResCursor(101, 1.5);
        QCOMPARE(sharp.hotSpot(), QPoint(12, 4));
        const QImage large = sharp.pixmap().toImage();
        QCOMPARE(large.size(), QSize(48, 48));
        QVERIFY2(qAlpha(large.pixel(18, 6)) == 255, "the hot spot must lie on the fingertip");
        QVERIFY2(qAlpha(large.pixel(0, 0)) == 0, "the hand must stand on a transparent ground");
    }

    void iconIsA32By32PictureWith256Colours()
    {
        QVERIFY2(stored("ICON", 30001), "not embedded");
        const QByteArray dib = LoadResData(30001, "ICON");
        QCOMPARE(dibBits(dib), 8);
        QCOMPARE(QSize(dibWidth(dib), dibHeight(dib)), QSize(32, 64)); // colours over mask

        const QIcon icon = LoadResIcon(30001);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(32, 32)});
        QCOMPARE(LoadResIcon(30001, 2).availableSizes(), (QList<QSize>{QSize(32, 32), QSize(64, 64)}));
    }

    void wavesHaveTheirFormatAndChunks_data() { addWaveRows(); }
    void wavesHaveTheirFormatAndChunks()
    {
        QFETCH(int, index);
        const Wave &w = kWaves[index];
        QVERIFY2(stored("WAVE", w.id), "not embedded");
        const QByteArray image = LoadResData(w.id, "WAVE");
        QCOMPARE(image.left(4), QByteArray("RIFF"));
        QCOMPARE(image.mid(8, 4), QByteArray("WAVE"));
        QCOMPARE(qsizetype(u32(image, 4)) + 8, qsizetype(w.riffImage));
        QVERIFY(image.size() >= w.riffImage);

        const QList<Chunk> chunks = riffChunks(image, w.riffImage);
        QVERIFY(!chunks.isEmpty());
        QStringList listed;
        for (const Chunk &c : chunks)
            listed << QString("%1 %2").arg(QString::fromLatin1(c.tag).trimmed()).arg(c.size);
        QCOMPARE(listed.join(", "), QString(w.chunks));
        const Chunk &last = chunks.last();
        QCOMPARE(last.at + last.size + (last.size & 1), qsizetype(w.riffImage)); // nothing left over

        const Chunk *fmt = find(chunks, "fmt ");
        QVERIFY(fmt);
        const int blockAlign = w.channels * w.bits / 8;
        QCOMPARE(u16(image, fmt->at), quint16(1)); // uncompressed PCM
        QCOMPARE(int(u16(image, fmt->at + 2)), w.channels);
        QCOMPARE(int(u32(image, fmt->at + 4)), w.rate);
        QCOMPARE(int(u32(image, fmt->at + 8)), w.rate * blockAlign);
        QCOMPARE(int(u16(image, fmt->at + 12)), blockAlign);
        QCOMPARE(int(u16(image, fmt->at + 14)), w.bits);
        if (fmt->size == 18)
            QCOMPARE(u16(image, fmt->at + 16), quint16(0)); // no extra format bytes

        const Chunk *data = find(chunks, "data");
        QVERIFY(data);
        const qsizetype frames = data->size / blockAlign;
        if (const Chunk *fact = find(chunks, "fact"))
            QCOMPARE(qsizetype(u32(image, fact->at)), frames);
        QVERIFY2(qAbs(double(frames) / w.rate - w.seconds) < 0.0005,
                 qPrintable(QString("plays %1 s").arg(double(frames) / w.rate)));
    }

    // Sounds start and end at silence (no click when they start or are cut
    // off at their end), are loud enough to hear and never clip.
    void wavesAreAudibleWithoutClicksOrClipping_data() { addWaveRows(); }
    void wavesAreAudibleWithoutClicksOrClipping()
    {
        QFETCH(int, index);
        const Wave &w = kWaves[index];
        QVERIFY2(stored("WAVE", w.id), "not embedded");
        const QByteArray image = LoadResData(w.id, "WAVE");
        const QList<Chunk> chunks = riffChunks(image, w.riffImage);
        const Chunk *data = find(chunks, "data");
        QVERIFY(data);
        // Every sample as a deviation from silence, full scale = 1.
        QList<double> samples;
        for (qsizetype at = data->at; at < data->at + data->size; at += w.bits / 8)
            samples << (w.bits == 8 ? (quint8(image[at]) - 128) / 128.0
                                    : qint16(u16(image, at)) / 32768.0);
        const double step = w.bits == 8 ? 1 / 128.0 : 1 / 32768.0;
        for (int c = 0; c < w.channels; ++c) {
            QVERIFY(qAbs(samples[c]) <= step);
            QVERIFY(qAbs(samples[samples.size() - w.channels + c]) <= step);
        }
        double peak = 0;
        for (double s : samples)
            peak = qMax(peak, qAbs(s));
        QVERIFY2(peak >= 0.25, qPrintable(QString("peak %1").arg(peak)));
        QVERIFY2(peak < 1 - step, qPrintable(QString("peak %1").arg(peak)));
    }

    void helpTextHoldsTheInstructions_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("text");
        const char *const instructions[] = {
            "",
            "Lumidex - Game Instructions",
            "",
            "Single Player:",
            "Clicking the Master Card (Red) will cause ",
            "a random picture to appear.",
            "Try to find a match by clicking on one of the ",
            "16 Fixed Cards (Blue). If a match is found, ",
            "the card will remain face up.",
            "Lumidex expects you to memorize ",
            "the location of Fixed Cards that were already ",
            "exposed. If the Master Card depicts a ",
            "picture that you have already exposed, but ",
            "the matching Fixed Card is not selected, ",
            "Lumidex will record a ",
            "\"memory miss\". ",
            "The object of the game is to create four  ",
            "face-up cards in a row.",
            "",
            "Two Players:",
            "The players play in turns. A player who ",
            "finds a match, holds on to his/her turn.",
            "Remember: The winner is determined not by ",
            "the number of matches, but by being the ",
            "last to create four face-up cards in a row.",
            "",
        };
        int line = 0;
        for (const char *text : instructions) {
            ++line;
            QTest::addRow("line %d", line) << line << QByteArray(text);
        }
        // Lines 27 and 28 are the publisher's notice; then a gap and the web address.
        QTest::newRow("line 29") << 29 << QByteArray();
        QTest::newRow("line 30") << 30 << QByteArray("https://lumidex.example.org");
    }
    void helpTextHoldsTheInstructions()
    {
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QVERIFY2(stored("TEXT", 107), "not embedded");
        const QList<QByteArray> lines = LoadResData(107, "TEXT").split('\n');
        QVERIFY(line < lines.size());
        QCOMPARE(lines[line - 1], text + '\r');
    }

    void helpTextIsThirtyAsciiLinesEndedByThreeNuls()
    {
        QVERIFY2(stored("TEXT", 107), "not embedded");
        const QByteArray text = LoadResData(107, "TEXT");
        QVERIFY(text.endsWith(QByteArray("\r\n\0\0\0", 5)));
        const QByteArray body = text.chopped(3);
        for (char c : body)
            QVERIFY2(c == '\r' || c == '\n' || (c >= ' ' && c <= '~'),
                     qPrintable(QString("byte %1").arg(int(quint8(c)))));
        QCOMPARE(body.count("\r\n"), 30);
        QCOMPARE(body.count('\r'), 30); // no bare CR or LF
        QCOMPARE(body.count('\n'), 30);
        const QList<QByteArray> lines = body.split('\n');
        QVERIFY2(lines[26].trimmed().size() > 0 && lines[27].trimmed().size() > 0,
                 "lines 27 and 28 hold the publisher's notice");
    }
};

QTEST_MAIN(CatalogueTest)
#include "catalogue_test.moc"
