#include <QtTest>

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <functional>

#include "frmIcon.h"

using Action = std::function<void(frmIcon &)>;
Q_DECLARE_METATYPE(Action)

namespace {

QColor Darkest(const QImage &image, const QRect &area)
{
    QColor darkest = Qt::white;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).lightness() < darkest.lightness())
                darkest = image.pixelColor(x, y);
    return darkest;
}

} // namespace

// The large-fonts notice: four lines of text and an OK button on a white
// window, and every way of dismissing it closes it.
class FrmIconTest : public QObject {
    Q_OBJECT
private slots:
    void itIsAFixedWhiteCentredWindowWithoutTitleOrSizeBoxes()
    {
        frmIcon notice;
        QCOMPARE(notice.size(), QSize(409, 191));
        QCOMPARE(notice.minimumSize(), notice.maximumSize());
        QVERIFY(notice.windowTitle().trimmed().isEmpty());
        const Qt::WindowFlags flags = notice.windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        const QPoint offCentre = notice.geometry().center() - QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 1, qPrintable(QString("%1,%2").arg(offCentre.x()).arg(offCentre.y())));

        const QImage face = notice.grab().toImage();
        for (const QPoint corner : {QPoint(0, 0), QPoint(408, 0), QPoint(0, 190), QPoint(408, 190)})
            QCOMPARE(face.pixelColor(corner), QColor(Qt::white));
    }

    void eachLineSitsInPlaceAndFitsItsText_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("Label1") << 1 << "Important notice!" << QPoint(119, 14);
        QTest::newRow("Label2") << 2 << "This application works with small fonts only" << QPoint(23, 46);
        QTest::newRow("Label3") << 3 << "Please change your system to \"Small Fonts\"" << QPoint(21, 78);
        QTest::newRow("Label4") << 4 << "in the Windows Setting System" << QPoint(73, 110);
    }
    void eachLineSitsInPlaceAndFitsItsText()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QPoint, place);
        frmIcon notice;
        const QLabel *label = QList{notice.Label1, notice.Label2, notice.Label3, notice.Label4}[line - 1];
        QCOMPARE(label->text(), text);
        QCOMPARE(label->pos(), place);
        QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(QFontInfo(label->font()).pixelSize(), 18);
        QCOMPARE(QFontInfo(label->font()).weight(), int(QFont::Normal));
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
        QVERIFY(notice.rect().contains(label->geometry()));

        // Dark text on the window's white: the label has no background of its own.
        const QImage face = notice.grab().toImage();
        QCOMPARE(face.pixelColor(label->geometry().topLeft()), QColor(Qt::white));
        QVERIFY(Darkest(face, label->geometry()).lightness() < 64);
    }

    void theOkButtonSitsBelowWithTheFocus()
    {
        frmIcon notice;
        QCOMPARE(notice.Command1->text(), QStringLiteral("OK"));
        QCOMPARE(notice.Command1->geometry(), QRect(162, 152, 81, 25));
        QCOMPARE(QFontInfo(notice.Command1->font()).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(QFontInfo(notice.Command1->font()).pixelSize(), 13);
        notice.show();
        QVERIFY(QTest::qWaitForWindowActive(&notice));
        QCOMPARE(QApplication::focusWidget(), notice.Command1);
    }

    void everyWayOfDismissingItClosesIt_data()
    {
        QTest::addColumn<Action>("dismiss");
        QTest::newRow("OK clicked") << Action([](frmIcon &n) { QTest::mouseClick(n.Command1, Qt::LeftButton); });
        QTest::newRow("Enter") << Action([](frmIcon &) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
        QTest::newRow("Space") << Action([](frmIcon &) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); });
        QTest::newRow("window closed") << Action([](frmIcon &n) { n.windowHandle()->close(); });
    }
    void everyWayOfDismissingItClosesIt()
    {
        QFETCH(Action, dismiss);
        frmIcon notice;
        QSignalSpy finished(&notice, &QDialog::finished); // what ends exec()
        notice.show();
        QVERIFY(QTest::qWaitForWindowActive(&notice));
        dismiss(notice);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!notice.isVisible());
    }
};

QTEST_MAIN(FrmIconTest)
#include "frmIcon_test.moc"
