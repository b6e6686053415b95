#include <QtTest>

#include <QApplication>
#include <QScreen>

#include "mdlFontSize.h"

namespace {

QFont PointFont(qreal points)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    return font;
}

QFont PixelFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

// The game runs with the desktop's stock user-interface fonts and refuses
// one made large. Also run on a screen Qt scales by two (see CMakeLists.txt),
// where every case must come out the same.
class FontSizeTest : public QObject {
    Q_OBJECT
    QFont desktopFont;

private slots:
    void initTestCase()
    {
        desktopFont = QApplication::font();
        // The point sizes below are the desktop's, at its 96 dpi.
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 96.0);
        qInfo("device pixel ratio %g", qApp->devicePixelRatio());
    }
    void cleanup() { QApplication::setFont(desktopFont); }

    void theDesktopFontDecides_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<bool>("small");
        QTest::newRow("16 px") << PixelFont(16) << true;
        QTest::newRow("17 px") << PixelFont(17) << false;
        QTest::newRow("Qt's own 9 pt") << PointFont(9) << true;
        QTest::newRow("KDE's 10 pt") << PointFont(10) << true;
        QTest::newRow("GNOME's 11 pt") << PointFont(11) << true;
        QTest::newRow("12 pt") << PointFont(12) << true;
        QTest::newRow("12.5 pt") << PointFont(12.5) << false;
        QTest::newRow("14 pt made large") << PointFont(14) << false;
    }
    void theDesktopFontDecides()
    {
        QFETCH(QFont, font);
        QFETCH(bool, small);
        QApplication::setFont(font);
        QCOMPARE(mdlFontSize::IsSmallFonts(), small);
    }
};

QTEST_MAIN(FontSizeTest)
#include "fontSize_test.moc"
