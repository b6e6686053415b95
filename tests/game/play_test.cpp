#include <QtTest>

#include "GameFixture.h"

using namespace mdlPicfunc;
using Sounds = std::vector<Sound>;
using Turns = QList<QPair<int, int>>;

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void drawShowsAFaceDownCardsPicture_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("card");
        // Three face-down cards: each third of [0, 1) draws one of them.
        const QString three = "XXXX XXXX XXXX X...";
        QTest::newRow("first third") << three << 0.0 << 14;
        QTest::newRow("second third") << three << 0.34 << 15;
        QTest::newRow("last third") << three << 0.999 << 16;
        QTest::newRow("fresh board, low") << ".... .... .... ...." << 0.0 << 1;
        QTest::newRow("fresh board, high") << ".... .... .... ...." << 0.99 << 16;
        QTest::newRow("gaps skip matched cards") << "X.X. .... .... ...." << 0.0625 << 2;
    }
    void drawShowsAFaceDownCardsPicture()
    {
        QFETCH(QString, board);
        QFETCH(double, r);
        QFETCH(int, card);
        Game game;
        game.layBoard(board.toStdString());
        const int reseeds = game.random.reseeds;
        game.random.script = {r};
        game.rules.picShow_Click();
        QCOMPARE(game.state.intMasterPic, int16_t(500 + card));
        QCOMPARE(game.state.picShow.picture, int16_t(500 + card));
        QVERIFY(!game.state.blnAwaitMaster);
        QCOMPARE(game.outside.sounds(), Sounds{Sound::sndFlip});
        QCOMPARE(game.random.reseeds, reseeds); // the draw never reseeds
    }

    void secondDrawIsRefusedAndChangesNothing()
    {
        Game game;
        game.draw(7);
        const GameState before = game.state;
        game.outside.events.clear();
        game.rules.picShow_Click();
        QCOMPARE(game.outside.sounds(), Sounds{Sound::sndRefuse});
        QCOMPARE(game.state.intMasterPic, before.intMasterPic);
        QCOMPARE(game.state.picShow, before.picShow);
        QVERIFY(!game.state.blnAwaitMaster);
    }

    void refusedPicks_data()
    {
        QTest::addColumn<bool>("drawFirst");
        QTest::addColumn<int>("card");
        QTest::newRow("before any draw") << false << 2;
        QTest::newRow("on a face-up card") << true << 1;
    }
    void refusedPicks()
    {
        QFETCH(bool, drawFirst);
        QFETCH(int, card);
        Game game;
        game.layBoard("X... .... .... ....");
        if (drawFirst)
            game.draw(9);
        game.outside.events.clear();
        const GameState before = game.state;
        const int reseeds = game.random.reseeds;
        game.rules.picMat_Click(card);
        QCOMPARE(game.outside.sounds(), Sounds{Sound::sndRefuse});
        QVERIFY(game.outside.pauses().empty());
        QCOMPARE(game.random.reseeds, reseeds + 1); // every card click reseeds
        QCOMPARE(game.board(), std::string("X... .... .... ...."));
        QCOMPARE(game.state.blnAwaitMaster, before.blnAwaitMaster);
        QCOMPARE(game.state.intSeen, before.intSeen);
        QCOMPARE(game.state.picMat, before.picMat);
    }

    void matchTurnsTheCardUpForGood()
    {
        Game game;
        game.draw(6);
        game.outside.events.clear();
        game.rules.picMat_Click(6);
        QCOMPARE(game.outside.sounds(), Sounds{Sound::sndMatch});
        QCOMPARE(game.outside.pauses(), std::vector<int>{1000});
        QCOMPARE(game.outside.events[1].seen.picMat[6].picture, int16_t(506)); // face shown during the pause
        QCOMPARE(game.board(), std::string(".... .X.. .... ...."));
        QCOMPARE(game.state.strFaceDown, std::string("abcdeghijklmnop"));
        QCOMPARE(game.state.picMat[6].picture, int16_t(506));
        QCOMPARE(game.state.picShow.picture, kMasterBack);
        QVERIFY(game.state.blnAwaitMaster);
        QVERIFY(std::all_of(game.state.intSeen.begin(), game.state.intSeen.end(), [](int16_t v) { return v == 0; }));
        QCOMPARE(brokenInvariant(game.state), std::string());
    }

    void wrongPickShowsTheCardForASecond()
    {
        Game game;
        game.draw(3);
        game.outside.events.clear();
        game.rules.picMat_Click(12);
        QCOMPARE(game.outside.sounds(), Sounds{Sound::sndFlip});
        QCOMPARE(game.outside.pauses(), std::vector<int>{1000});
        QCOMPARE(game.outside.events[1].seen.picMat[12].picture, int16_t(512));
        QCOMPARE(game.state.picMat[12].picture, kFixedBack);
        QCOMPARE(game.state.intSeen[512], int16_t(1));
        QCOMPARE(game.state.intSeen[503], int16_t(0)); // seen on the Master Card only: not remembered
        QCOMPARE(game.state.bytMisses, uint8_t(0));
        QCOMPARE(game.state.picShow.picture, kMasterBack);
        QVERIFY(game.state.blnAwaitMaster);
    }

    // Each row is a list of (drawn card, picked card) turns; the misses
    // counted after each turn.
    void memoryMisses_data()
    {
        QTest::addColumn<Turns>("turns");
        QTest::addColumn<QList<int>>("misses");
        QTest::newRow("exposed then drawn, picked wrong: a miss")
            << Turns{{1, 2}, {2, 3}} << QList<int>{0, 1};
        QTest::newRow("every later wrong pick on it costs one more")
            << Turns{{1, 2}, {2, 3}, {2, 4}, {2, 3}} << QList<int>{0, 1, 2, 3};
        QTest::newRow("the picture a pick exposes counts only later")
            << Turns{{1, 2}, {1, 2}, {2, 1}} << QList<int>{0, 0, 1};
        QTest::newRow("remembering it costs nothing")
            << Turns{{1, 2}, {2, 2}, {3, 4}} << QList<int>{0, 0, 0};
        QTest::newRow("picture only seen on the Master Card")
            << Turns{{5, 6}, {5, 7}, {5, 8}} << QList<int>{0, 0, 0};
    }
    void memoryMisses()
    {
        QFETCH(Turns, turns);
        QFETCH(QList<int>, misses);
        Game game;
        for (int t = 0; t < turns.size(); ++t) {
            game.draw(turns[t].first);
            game.rules.picMat_Click(turns[t].second);
            QCOMPARE(int(game.state.bytMisses), misses[t]);
            QCOMPARE(brokenInvariant(game.state), std::string());
        }
    }

    void eighthMissLosesTheGame()
    {
        Game game;
        game.draw(1);
        game.rules.picMat_Click(2); // card 2 exposed
        for (int miss = 1; miss <= 7; ++miss) {
            game.draw(2);
            game.rules.picMat_Click(3);
            QVERIFY(game.state.picShow.enabled);
            QCOMPARE(int(std::count(game.state.imgBad.begin(), game.state.imgBad.end(), true)), miss);
            QVERIFY(game.state.imgBad[miss - 1]);
        }
        game.draw(2);
        game.outside.events.clear();
        game.rules.picMat_Click(4);

        const GameState &s = game.state;
        QCOMPARE(s.bytMisses, uint8_t(8));
        QVERIFY(std::all_of(s.imgBad.begin(), s.imgBad.end(), [](bool b) { return b; }));
        QCOMPARE(game.outside.sounds(), Sounds{Sound::sndFlip}); // no jingle, no blinking
        QCOMPARE(game.outside.pauses(), std::vector<int>{1000});
        const GameState &during = game.outside.events[1].seen;
        QVERIFY(during.picMsg.visible);
        QCOMPARE(during.picMsg.picture, kLosePanel);
        QCOMPARE(during.picMat[4].picture, int16_t(504)); // still shows its face for the second
        QCOMPARE(s.picMat[4].picture, kFixedBack);
        QCOMPARE(s.lblMsg, std::string());
        QVERIFY(!s.picShow.enabled);
        QVERIFY(std::none_of(s.picMat.begin(), s.picMat.end(), [](const Control &c) { return c.enabled; }));
        QCOMPARE(s.picShow.picture, kMasterBack);
        QVERIFY(s.Timer1Enabled);
        QCOMPARE(brokenInvariant(s), std::string());

        game.rules.Timer1_Timer();
        QVERIFY(!s.picMsg.visible && !s.Timer1Enabled);
        QVERIFY(!s.picShow.enabled); // the board stays locked until a new deal
    }

    void rowCheck_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("lastMatch");
        QTest::addColumn<QList<int>>("blinking");
        QTest::newRow("a row") << "XXX. .... .... ...." << 4 << QList<int>{1, 2, 3, 4};
        QTest::newRow("a column") << ".... ..X. ..X. ..X." << 3 << QList<int>{3, 7, 11, 15};
        QTest::newRow("row and column at once: the row") << "...X ...X ...X XXX." << 16 << QList<int>{13, 14, 15, 16};
        QTest::newRow("a diagonal does not count") << "X... .X.. ..X. ...." << 16 << QList<int>{};
        QTest::newRow("three in a row") << "XX.. .... .... ...." << 3 << QList<int>{};
    }
    void rowCheck()
    {
        QFETCH(QString, board);
        QFETCH(int, lastMatch);
        QFETCH(QList<int>, blinking);
        Game game;
        game.layBoard(board.toStdString());
        game.match(lastMatch);
        const auto &events = game.outside.events;
        if (blinking.isEmpty()) {
            QCOMPARE(game.outside.sounds(), (Sounds{Sound::sndFlip, Sound::sndMatch}));
            QVERIFY(game.state.picShow.enabled && !game.state.picMsg.visible);
            return;
        }
        QCOMPARE(game.outside.sounds(), (Sounds{Sound::sndFlip, Sound::sndMatch, Sound::sndWin}));
        std::vector<int> expectedPauses{1000};
        expectedPauses.insert(expectedPauses.end(), 8, 500);
        QCOMPARE(game.outside.pauses(), expectedPauses);
        // During the blinking only the line's four cards change, each step
        // at the end of its 500 ms: the line is up for the first.
        int step = 0;
        for (const Event &e : events) {
            if (e.kind != Event::Pause || e.ms != 500)
                continue;
            ++step;
            for (int k = 1; k <= kCards; ++k)
                QCOMPARE(e.seen.picMat[k].visible, blinking.contains(k) ? step % 2 == 1 : true);
            QVERIFY(!e.seen.picMsg.visible);
        }
        const GameState &s = game.state;
        for (int k = 1; k <= kCards; ++k)
            QVERIFY(s.picMat[k].visible && !s.picMat[k].enabled);
        QVERIFY(s.picMsg.visible && s.Timer1Enabled && !s.picShow.enabled);
        QCOMPARE(s.picMsg.picture, kWinPanel);
        QCOMPARE(s.lblMsg, std::string("0"));
        QCOMPARE(s.picShow.picture, kMasterBack);
        QVERIFY(s.blnAwaitMaster);
    }

    void winPanelShowsTheMissCount_data()
    {
        QTest::addColumn<int>("misses");
        QTest::newRow("none") << 0;
        QTest::newRow("three") << 3;
        QTest::newRow("seven") << 7;
    }
    void winPanelShowsTheMissCount()
    {
        QFETCH(int, misses);
        Game game;
        game.draw(16);
        game.rules.picMat_Click(15); // card 15 exposed
        for (int m = 0; m < misses; ++m) {
            game.draw(15);
            game.rules.picMat_Click(16);
        }
        game.layBoard("XXXX .... .... ....");
        QCOMPARE(game.state.lblMsg, std::to_string(misses));
        QVERIFY(game.state.picMsg.visible);
    }
};

QTEST_GUILESS_MAIN(PlayTest)
#include "play_test.moc"
