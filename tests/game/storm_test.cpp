#include <QtTest>

#include "GameFixture.h"

using namespace mdlPicfunc;

// Thousands of seeded games of random clicks: the Master Card, any Fixed
// Card, the play button or the help button, each only when its control takes
// clicks (the help panel covers the Fixed Cards). After every event every
// invariant must hold, and no two picks may be accepted against one drawn
// picture.
class StormTest : public QObject {
    Q_OBJECT
private slots:
    void randomClicksKeepEveryInvariant()
    {
        constexpr int games = 4000, clicksPerGame = 120;
        SeededRandom chooser(7);
        long events = 0, wins = 0, losses = 0, underHelp = 0;
        for (int g = 0; g < games; ++g) {
            GameState state;
            RecordingOutside outside(state);
            SeededRandom random(uint64_t(g) + 1);
            GameRules rules(state, outside, random);
            rules.SetUp();
            rules.cmdPlay_Click();
            bool pictureUp = false;
            for (int c = 0; c < clicksPerGame; ++c) {
                outside.events.clear();
                const double what = chooser.Next();
                if (what < 0.02) {
                    rules.HideHelp();
                    rules.cmdPlay_Click();
                    pictureUp = false;
                } else if (what < 0.03) {
                    rules.ShowHelp();
                } else if (what < 0.35) {
                    if (!state.picShow.enabled)
                        continue;
                    const bool refused = !state.blnAwaitMaster;
                    rules.picShow_Click();
                    QCOMPARE(outside.sounds().front(), refused ? Sound::sndRefuse : Sound::sndFlip);
                    pictureUp = true;
                } else if (what < 0.98) {
                    // Now and then the player remembers where the drawn picture lies.
                    int k = 1 + int(chooser.Next() * kCards);
                    if (pictureUp && chooser.Next() < 0.3)
                        k = int(std::find(state.intCardPic.begin(), state.intCardPic.end(), state.intMasterPic)
                                - state.intCardPic.begin()) + 1;
                    if (!state.picMat[k].enabled || state.txtHelpVisible)
                        continue;
                    const bool won = state.picMsg.visible;
                    rules.picMat_Click(k);
                    const bool accepted = !outside.pauses().empty();
                    QVERIFY2(!accepted || pictureUp, "a second pick against one drawn picture");
                    if (accepted)
                        pictureUp = false;
                    if (!won && state.picMsg.visible)
                        (state.picMsg.picture == kWinPanel ? wins : losses)++;
                } else if (state.Timer1Enabled) {
                    rules.Timer1_Timer();
                }
                ++events;
                underHelp += state.txtHelpVisible;
                QCOMPARE(brokenInvariant(state), std::string());
            }
        }
        qInfo("%ld events in %d games (%ld under the help panel): %ld won, %ld lost", events, games, underHelp,
              wins, losses);
        QVERIFY(wins > 0 && losses > 0 && underHelp > 0);
    }
};

QTEST_GUILESS_MAIN(StormTest)
#include "storm_test.moc"
