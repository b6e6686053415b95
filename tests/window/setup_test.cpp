#include <QtTest>

#include "WindowRig.h"

using namespace mdlPicfunc;

// Loading the window sets up its controls, deals the first game while the
// window is still hidden, and only then moves the result panel onto the board.
class SetupTest : public QObject {
    Q_OBJECT
private slots:
    void loadingDealsTheFirstGameBeforeTheWindowShows()
    {
        WindowRig rig;
        struct Seen { QList<bool> cardsEnabled; QPoint panel; bool helpHidden, windowShown; };
        QList<Seen> seen;
        rig.onPause = [&](int) {
            Seen s{{}, rig.form.picMsg->pos(), rig.form.txtHelp->isHidden(), rig.form.isVisible()};
            for (int i = 1; i <= kCards; ++i)
                s.cardsEnabled << rig.form.picMat[i]->isEnabled();
            seen << s;
        };
        ShapeWindow(rig.form);

        QCOMPARE(rig.pauses, std::vector<int>(16, 100));
        QCOMPARE(rig.sounds, std::vector<Sound>(16, Sound::sndClick));
        for (int p = 0; p < seen.size(); ++p) {
            // Set-up left every card disabled; the deal enables them one by one.
            for (int i = 1; i <= kCards; ++i)
                QCOMPARE(seen[p].cardsEnabled[i - 1], i <= p + 1);
            QCOMPARE(seen[p].panel, QPoint(48, 402)); // not yet moved onto the board
            QVERIFY(seen[p].helpHidden);
            QVERIFY(!seen[p].windowShown);
        }
        QCOMPARE(rig.form.picMsg->pos(), QPoint(32, 80));
        QVERIFY(rig.form.picMsg->isHidden());
        QCOMPARE(rig.form.txtHelp->pos(), QPoint(-1, -1)); // -2, -2 inside the board's border
        QVERIFY(rig.form.picShow->isEnabled());
        QCOMPARE(rig.form.picShow->pictureId(), int(kMasterBack));
        QCOMPARE(rig.form.imgAction[0]->pictureId(), 300);
        QCOMPARE(rig.form.imgAction[1]->pictureId(), 301);
        for (int i = 1; i <= kCards; ++i) {
            QVERIFY(rig.form.picMat[i]->isEnabled());
            QCOMPARE(rig.form.picMat[i]->pictureId(), int(kFixedBack));
        }
        QVERIFY(rig.form.game().blnAwaitMaster);
        QVERIFY(!rig.form.isVisible());
    }

    void askingForTheHandleAgainDoesNotDealAgain()
    {
        WindowRig rig;
        rig.load();
        rig.form.hWnd();
        QVERIFY(rig.pauses.empty());
    }
};

QTEST_MAIN(SetupTest)
#include "setup_test.moc"
