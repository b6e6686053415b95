#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "GameFixture.h"

using namespace mdlPicfunc;

class DealTest : public QObject {
    Q_OBJECT
private slots:
    void laysCardsOneByOneWithATickAndAPauseEach()
    {
        GameState state;
        state.intCardPic[3] = 530; // left over from an earlier game
        RecordingOutside outside(state);
        ScriptedRandom random;
        GameRules(state, outside, random).cmdPlay_Click();

        QCOMPARE(int(outside.events.size()), 2 * kCards);
        for (int i = 1; i <= kCards; ++i) {
            const Event &tick = outside.events[2 * (i - 1)];
            const Event &pause = outside.events[2 * (i - 1) + 1];
            QCOMPARE(tick.kind, Event::Sound);
            QCOMPARE(tick.sound, Sound::sndClick);
            QCOMPARE(pause.kind, Event::Pause);
            QCOMPARE(pause.ms, 100);
            // Card i is already face down and visible when its tick sounds.
            for (const Event *e : {&tick, &pause}) {
                for (int k = 1; k <= kCards; ++k) {
                    const Control &card = e->seen.picMat[k];
                    QCOMPARE(card.picture, k <= i ? kFixedBack : kNoPicture);
                    if (k <= i)
                        QVERIFY(card.visible && card.enabled);
                }
                QCOMPARE(e->seen.picShow.picture, kMasterBack);
                QCOMPARE(e->seen.strFaceDown, std::string("abcdefghijklmnop"));
                // The pictures are chosen only after the last card is laid.
                QCOMPARE(e->seen.intCardPic[3], int16_t(530));
            }
        }
        QCOMPARE(random.reseeds, 2); // the deal, then the shuffle
    }

    void leavesAFreshGameAwaitingTheMasterCard()
    {
        Game game;
        // Play into a lost, locked game with a picture up and the panel shown.
        game.match(1);
        game.draw(2);
        game.rules.picMat_Click(5); // wrong: card 5 exposed
        for (int miss = 0; miss < 8; ++miss) {
            game.draw(5);
            game.rules.picMat_Click(6);
        }
        QVERIFY(game.state.Timer1Enabled && game.state.picMsg.visible && !game.state.picShow.enabled);
        game.state.blnAwaitMaster = false; // as if a picture were up
        const int16_t master = game.state.intMasterPic;

        game.rules.cmdPlay_Click();
        const GameState &s = game.state;
        QCOMPARE(game.board(), std::string(".... .... .... ...."));
        QCOMPARE(s.strFaceDown, std::string("abcdefghijklmnop"));
        QCOMPARE(s.bytMisses, uint8_t(0));
        QVERIFY(std::all_of(s.intSeen.begin(), s.intSeen.end(), [](int16_t v) { return v == 0; }));
        QVERIFY(std::none_of(s.imgBad.begin(), s.imgBad.end(), [](bool b) { return b; }));
        QVERIFY(s.blnAwaitMaster);
        QCOMPARE(s.intMasterPic, master); // untouched, and harmless while awaited
        QCOMPARE(s.picShow, (Control{kMasterBack, true, true}));
        for (const Control &card : s.picMat)
            QCOMPARE(card, (Control{kFixedBack, true, true}));
        QVERIFY(!s.picMsg.visible);
        QVERIFY(!s.Timer1Enabled); // the old game's panel will not come back
        QCOMPARE(s.lblMsg, std::string());
        QCOMPARE(brokenInvariant(s), std::string());
    }

    // The game's fixed arrays and the standard containers check their
    // indices in the sanitizer build: an index past the end stops the program.
    void anIndexPastTheEndStopsTheSanitizerBuild()
    {
#ifndef __SANITIZE_ADDRESS__
        QSKIP("the shipped build leaves the checks out");
#else
        for (int container = 0; container < 2; ++container) {
            const pid_t child = fork();
            if (child == 0) {
                std::signal(SIGABRT, SIG_DFL); // no crash report from the test harness
                volatile int past = 17;
                GameState state;
                std::string letters = "abcdefghijklmnop";
                std::printf("%d\n", container ? letters[past] : state.intCardPic[past]);
                _exit(0);
            }
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT, container ? "std::string" : "intCardPic");
        }
#endif
    }
};

QTEST_GUILESS_MAIN(DealTest)
#include "deal_test.moc"
