#include <QtTest>

#include <QDirIterator>

#include "catalogue.h"

using namespace Catalogue;
using namespace ResourceIds;

namespace {

// How far a picture's twin for high-density screens, brought down to the
// picture's size, lies from it: mean difference per colour channel in 255.
// Twins of the same picture stay below 10; two different pictures of the
// same size lie 16 or more apart.
double twinDistance(const QImage &picture, const QImage &twin)
{
    const QImage a = picture.convertToFormat(QImage::Format_RGB32);
    const QImage b = twin.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return double(sum) / (3.0 * a.width() * a.height());
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    // Every picture decodes, and its twin is the same picture at twice its
    // size; every card, face or back, is of one size. The sixteen card backs
    // are one image, and no picture needed an image plugin to guess its format
    // (each would stay loaded for good).
    void everyPictureHasItsTwin()
    {
        QStringList checked;
        for (QDirIterator it(":/", {"BITMAP", "LAYOUT"}, QDir::Dirs); it.hasNext();)
            for (const QString &name : QDir(it.next()).entryList({"*"}, QDir::Files))
                if (!name.endsWith("@2x")) {
                    const bool bitmap = it.fileName() == "BITMAP";
                    const QImage picture = bitmap ? LoadResPicture(name.toInt()) : LoadLayoutPicture(name);
                    const QImage twin = bitmap ? LoadResPicture(name.toInt(), 2) : LoadLayoutPicture(name, 2);
                    QVERIFY2(!picture.isNull() && twin.size() == picture.size() * 2, qPrintable(name));
                    QVERIFY2(twinDistance(picture, twin) < 10, qPrintable(name));
                    checked << name;
                }
        QVERIFY(checked.contains("Picture1") && checked.contains("imgBad") && checked.contains(QString::number(kFirstFace)));
        for (int id : {int(kMasterBack), int(kFirstFace), int(kLastFace)})
            QCOMPARE(LoadResPicture(id).size(), LoadResPicture(kFixedBack).size());
        QCOMPARE(LoadResPicture(kFixedBack).constBits(), LoadResPicture(kFixedBack).constBits());
        QFile maps("/proc/self/maps");
        QVERIFY(maps.open(QIODevice::ReadOnly) && !maps.readAll().contains("imageformats/"));
    }

    // The hand points with its fingertip: the hot spot lies on the hand's
    // narrow top, on a screen of any density.
    void theCursorsHotSpotIsOnTheFingertip()
    {
        for (qreal ratio : {1.0, 1.5}) {
            const QCursor hand = LoadResCursor(kHandCursor, ratio);
            const QImage shape = hand.pixmap().toImage();
            const QPoint spot = hand.hotSpot() * shape.devicePixelRatio();
            int top = -1, width = 0; // the topmost row the hand covers, and how much of it
            while (!width && ++top < shape.height())
                for (int x = 0; x < shape.width(); ++x)
                    width += qAlpha(shape.pixel(x, top)) == 255;
            QVERIFY2(qAlpha(shape.pixel(spot)) == 255 && spot.y() - top <= 2 * ratio && width <= 3 * ratio,
                     qPrintable(QString("ratio %1: spot %2,%3, top %4, %5 wide").arg(ratio).arg(spot.x()).arg(spot.y()).arg(top).arg(width)));
        }
    }

    // The icon is square; on a high-density screen its twin comes with it.
    void theIconComesWithItsTwin()
    {
        const QList<QSize> sizes = LoadResIcon(kIcon, 2).availableSizes();
        QVERIFY(sizes.size() == 2 && sizes[0].width() == sizes[0].height() && sizes[1] == sizes[0] * 2);
        QCOMPARE(LoadResIcon(kIcon).availableSizes(), sizes.mid(0, 1));
    }
};

QTEST_MAIN(CatalogueTest)
#include "catalogue_test.moc"
