#include <QtTest>

#include <QDesktopServices>

#include "WindowRig.h"

using namespace mdlPicfunc;

// The play and help buttons: pressed picture while held, then the click
// sound and its pause, then the released picture, then the action.
class ModeButtonsTest : public QObject {
    Q_OBJECT
    QList<QUrl> opened; // web addresses handed to the desktop

public slots:
    void openUrl(const QUrl &url) { opened << url; }

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    void pressAndRelease_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("play") << 0;
        QTest::newRow("help") << 1;
    }
    void pressAndRelease()
    {
        QFETCH(int, index);
        WindowRig rig;
        rig.load();
        PictureBox *button = rig.form.imgAction[index];
        QList<int> pictureAtPause;
        rig.onPause = [&](int) { pictureAtPause << button->pictureId(); };

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(button->pictureId(), 310 + index);
        QCOMPARE(button->size(), index ? QSize(43, 47) : QSize(45, 47));
        QVERIFY(rig.sounds.empty());
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));

        QCOMPARE(rig.sounds.front(), Sound::sndClick);
        QCOMPARE(rig.pauses.front(), 100);
        QCOMPARE(pictureAtPause.front(), 310 + index); // still pressed during the pause
        QCOMPARE(button->pictureId(), 300 + index);
        QCOMPARE(button->size(), index ? QSize(43, 47) : QSize(45, 47));
        // Play deals (16 more ticks and pauses); help only shows the panel.
        QCOMPARE(int(rig.pauses.size()), index ? 1 : 17);
    }

    void helpDuringAGameLocksOnlyTheMasterCard()
    {
        WindowRig rig;
        rig.load();
        rig.draw(5);
        rig.click(rig.form.imgAction[1]);
        QVERIFY(rig.form.txtHelp->isVisible());
        QVERIFY(rig.form.txtHelp->toPlainText().contains("Game Instructions"));
        QVERIFY(!rig.form.picShow->isEnabled());
        for (auto *card : rig.form.picMat)
            QVERIFY(card->isEnabled());
        // No key deals a game under the panel, and clicking the panel where
        // a card lies under it picks nothing.
        rig.sounds.clear();
        rig.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.form));
        QTest::keyClick(rig.form.windowHandle(), Qt::Key_Space);
        rig.click(rig.form.txtHelp->viewport());
        QVERIFY(rig.sounds.empty());
        QCOMPARE(rig.form.game().blnAwaitMaster, false);
    }

    // Cards, Master Card and window spots answer the primary button only,
    // as clicks do on any desktop; the mode buttons answer any button.
    void whichMouseButtonClicks()
    {
        WindowRig rig;
        rig.load();
        const QPoint at = rig.form.pos();
        frmGame &f = rig.form;
        for (auto button : {Qt::RightButton, Qt::MiddleButton}) {
            for (QWidget *spot : {(QWidget *)f.picShow, (QWidget *)f.picMat[1], (QWidget *)f.imgMini, (QWidget *)f.imgLink})
                QTest::mouseClick(spot, button, {}, QPoint(5, 5));
            QTest::mousePress(f.Picture1, button, {}, QPoint(150, 5));
            QTest::mouseMove(f.Picture1, QPoint(180, 40));
            QTest::mouseRelease(f.Picture1, button, {}, QPoint(180, 40));
        }
        QVERIFY(rig.sounds.empty());
        QVERIFY(!f.isMinimized());
        QVERIFY(opened.isEmpty());
        QCOMPARE(f.pos(), at);

        rig.click(f.imgLink);
        QCOMPARE(opened.size(), 1);
        QTest::mouseClick(f.imgAction[0], Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(int(rig.pauses.size()), 17); // the button's pause and a deal
    }

    void playWhileHelpIsUpDealsAFreshGame()
    {
        WindowRig rig;
        rig.load();
        rig.draw(3);
        rig.click(rig.form.picMat[3]);
        rig.click(rig.form.imgAction[1]);
        rig.sounds.clear();
        rig.pauses.clear();
        rig.click(rig.form.imgAction[0]);
        QVERIFY(!rig.form.txtHelp->isVisible());
        QVERIFY(rig.form.picShow->isEnabled());
        QCOMPARE(int(rig.sounds.size()), 17); // the button's click and the deal's 16
        for (auto *card : rig.form.picMat)
            QCOMPARE(card->pictureId(), int(kFixedBack));
        QVERIFY(rig.form.game().blnAwaitMaster);
    }
};

QTEST_MAIN(ModeButtonsTest)
#include "modeButtons_test.moc"
