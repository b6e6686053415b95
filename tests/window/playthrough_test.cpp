#include <QtTest>

#include <QWindow>

#include "WindowRig.h"

using namespace mdlPicfunc;

// Whole games played through clicks on the window's controls.
class PlaythroughTest : public QObject {
    Q_OBJECT
private slots:
    void perfectMemoryWinsWithNoMisses()
    {
        WindowRig rig;
        rig.load();
        int turns = 0;
        while (!rig.form.picMsg->isVisible() && ++turns < 40) {
            rig.click(rig.form.picShow);
            rig.click(rig.form.picMat[rig.drawnCard()]);
        }
        QVERIFY(rig.form.picMsg->isVisible());
        QCOMPARE(rig.form.picMsg->pictureId(), int(kWinPanel));
        QCOMPARE(rig.form.lblMsg->text(), QString("0"));
        QCOMPARE(rig.sadFacesShown(), 0);
        QVERIFY(!rig.form.picShow->isEnabled());
        for (auto *card : rig.form.picMat)
            QVERIFY(!card->isEnabled() && card->isVisible());

        // The result timer hides the panel; the board stays locked.
        QCOMPARE(rig.form.Timer1->interval(), 5000);
        QVERIFY(rig.form.Timer1->isActive());
        rig.form.Timer1->start(1);
        QTRY_VERIFY(!rig.form.picMsg->isVisible());
        QVERIFY(!rig.form.Timer1->isActive());
        rig.sounds.clear();
        rig.click(rig.form.picMat[1]);
        rig.click(rig.form.picShow);
        QVERIFY(rig.sounds.empty());
    }

    void forgetfulPlayerLosesAtTheEighthMiss()
    {
        WindowRig rig;
        rig.load();
        // Expose card 1 by a wrong pick, then keep missing it when it is drawn.
        rig.draw(2);
        rig.click(rig.form.picMat[1]);
        for (int miss = 1; miss <= 8; ++miss) {
            rig.draw(1);
            rig.click(rig.form.picMat[2 + miss % 3]);
            QCOMPARE(rig.sadFacesShown(), miss);
        }
        QVERIFY(rig.form.picMsg->isVisible());
        QCOMPARE(rig.form.picMsg->pictureId(), int(kLosePanel));
        QCOMPARE(rig.form.lblMsg->text(), QString());
        QVERIFY(!rig.form.picShow->isEnabled());
        QCOMPARE(rig.form.picShow->pictureId(), int(kMasterBack));
        QVERIFY(std::find(rig.sounds.begin(), rig.sounds.end(), Sound::sndWin) == rig.sounds.end());
    }

    void resultTimerNeverTicksInTheMiddleOfARule()
    {
        WindowRig rig;
        rig.load();
        rig.draw(2);
        rig.click(rig.form.picMat[1]);
        for (int miss = 1; miss <= 7; ++miss) {
            rig.draw(1);
            rig.click(rig.form.picMat[3]);
        }
        // The eighth miss shows the panel, then the picked card for a second:
        // let the result timer come due inside that second.
        bool panelDuringPause = false;
        rig.onPause = [&](int) {
            rig.form.Timer1->start(0);
            QTest::qWait(20);
            panelDuringPause = rig.form.picMsg->isVisible();
        };
        rig.draw(1);
        rig.click(rig.form.picMat[3]);
        QVERIFY(panelDuringPause);
        QVERIFY(!rig.form.picMsg->isVisible()); // the tick ran once the pick was done
        QVERIFY(!rig.form.Timer1->isActive());
        QCOMPARE(rig.form.picMat[3]->pictureId(), int(kFixedBack));
    }

    void eachSoundComesOnceItsCardShows()
    {
        WindowRig rig;
        rig.load();
        QList<QList<int>> atSound; // the cards' pictures when each sound starts
        rig.onSound = [&](Sound) {
            atSound << QList<int>{};
            for (auto *card : rig.form.picMat)
                atSound.back() << card->pictureId();
        };
        rig.click(rig.form.imgAction[0]); // the button's click, then the deal's 16 ticks
        for (int tick = 1; tick <= kCards; ++tick)
            for (int k = 1; k <= kCards; ++k)
                QCOMPARE(atSound[tick][k - 1], k <= tick ? int(kFixedBack) : int(kNoPicture));
        const auto &pictures = rig.form.game().intCardPic;
        rig.draw(3);
        rig.click(rig.form.picMat[3]); // a match
        rig.draw(5);
        rig.click(rig.form.picMat[6]); // a wrong pick
        QCOMPARE(atSound.size(), 21);
        QCOMPARE(atSound[18][2], int(pictures[3]));
        QCOMPARE(atSound[20][5], int(pictures[6]));
    }

    void aCloseDuringARuleWaitsForItsEnd()
    {
        WindowRig rig;
        rig.load();
        QList<bool> shownAtPause;
        rig.onPause = [&](int) {
            rig.form.windowHandle()->close(); // as the window system asks
            shownAtPause << rig.form.isVisible();
        };
        rig.click(rig.form.imgAction[0]); // the button's pause, then the deal's 16
        QCOMPARE(shownAtPause, QList<bool>(17, true));
        QVERIFY(!rig.form.isVisible());
        QCOMPARE(brokenInvariant(rig.form.game()), std::string());
    }

    void winningLines_data()
    {
        QTest::addColumn<QList<int>>("matches");
        QTest::addColumn<QList<int>>("blinking");
        QTest::newRow("a column") << QList<int>{2, 6, 10, 14} << QList<int>{2, 6, 10, 14};
        QTest::newRow("row and column at once: the row blinks")
            << QList<int>{4, 8, 12, 13, 14, 15, 16} << QList<int>{13, 14, 15, 16};
        QTest::newRow("a diagonal is no win") << QList<int>{1, 6, 11, 16} << QList<int>{};
    }
    void winningLines()
    {
        QFETCH(QList<int>, matches);
        QFETCH(QList<int>, blinking);
        WindowRig rig;
        rig.load();
        QList<QList<int>> hidden; // cards hidden at each blink pause
        rig.onPause = [&](int ms) {
            if (ms != 500)
                return;
            QList<int> off;
            for (int i = 1; i <= kCards; ++i)
                if (!rig.form.picMat[i]->isVisible())
                    off << i;
            hidden << off;
        };
        for (int k : matches) {
            rig.draw(k);
            rig.click(rig.form.picMat[k]);
        }
        if (blinking.isEmpty()) {
            QVERIFY(hidden.isEmpty());
            QVERIFY(!rig.form.picMsg->isVisible() && rig.form.picShow->isEnabled());
            return;
        }
        // Each step shows at the end of its pause: the line stays up for
        // the first, and is back up when the panel shows.
        QCOMPARE(hidden.size(), 8);
        for (int step = 0; step < 8; ++step)
            QCOMPARE(hidden[step], step % 2 == 1 ? blinking : QList<int>{});
        QVERIFY(rig.form.picMsg->isVisible());
        QCOMPARE(rig.form.lblMsg->text(), QString("0"));
    }
};

QTEST_MAIN(PlaythroughTest)
#include "playthrough_test.moc"
