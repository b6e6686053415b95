#include <QtTest>

#include "WindowRig.h"

using namespace mdlPicfunc;

// The play and help buttons: pressed picture while held, then the click
// sound and its pause, then the released picture, then the action.
class ModeButtonsTest : public QObject {
    Q_OBJECT
private slots:
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
        // Clicking the panel where a card lies under it picks nothing.
        rig.sounds.clear();
        rig.click(rig.form.txtHelp->viewport());
        QVERIFY(rig.sounds.empty());
        QCOMPARE(rig.form.game().blnAwaitMaster, false);
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
