#include <QtTest>

#include <functional>
#include <map>
#include <numeric>
#include <set>

#include "GameFixture.h"
#include "GameRules.h"

using namespace mdlPicfunc;

namespace {

struct Event { bool pause; Sound sound; GameState seen; }; // a sound or a pause, and what the screen showed then

struct RecordingOutside : GameOutside {
    explicit RecordingOutside(const GameState &state) : state(state) {}
    void PlayWave(Sound sound) override { events.push_back({false, sound, state}); }
    void Pause(int) override { events.push_back({true, {}, state}); }
    const GameState &state;
    std::vector<Event> events;
};

// Every invariant the rules keep between events: empty, or what is broken.
std::string brokenInvariant(const GameState &s)
{
    const std::set<int16_t> onBoard(s.intCardPic.begin(), s.intCardPic.end());
    if (onBoard.size() != kCards || *onBoard.begin() < kFirstFace || *onBoard.rbegin() > kLastFace)
        return "the board does not hold 16 different faces";
    std::string faceDown;
    for (int k = 1; k <= kCards; ++k) {
        const bool up = s.intBoard[CardColumn(k)][CardRow(k)] == kFaceUp;
        faceDown += up ? "" : std::string(1, CardLetter(k));
        if (s.picMat[k].picture != (up ? s.intCardPic[k] : kFixedBack) || !s.picMat[k].visible)
            return "card " + std::to_string(k) + " does not show what the board holds";
    }
    if (s.strFaceDown != faceDown)
        return "strFaceDown is " + s.strFaceDown + ", the board says " + faceDown;
    for (int id = kFirstFace; id <= kLastFace; ++id)
        if (s.intSeen[id] < kNeverShown || s.intSeen[id] > kCostAMiss || (s.intSeen[id] && !onBoard.count(int16_t(id))))
            return "intSeen of " + std::to_string(id) + " is " + std::to_string(s.intSeen[id]);
    if (s.bytMisses > kMissesToLose || std::count(s.imgBad.begin(), s.imgBad.end(), true) != s.bytMisses)
        return "the sad faces disagree with " + std::to_string(s.bytMisses) + " misses";
    const auto drawn = std::find(s.intCardPic.begin(), s.intCardPic.end(), s.intMasterPic) - s.intCardPic.begin() + 1;
    if (!s.blnAwaitMaster && (s.picShow.picture != s.intMasterPic || faceDown.find(CardLetter(int(drawn))) == std::string::npos))
        return "the Master Card does not show a face-down card's picture";
    if (s.blnAwaitMaster && s.picShow.picture != kMasterBack)
        return "the Master Card shows a picture while a draw is awaited";
    // The cards lock together at the end of a game; the Master Card with
    // them, and also while the help panel is up.
    const bool playing = s.picMat[1].enabled;
    if (std::any_of(s.picMat.begin(), s.picMat.end(), [&](const Control &c) { return c.enabled != playing; }))
        return "cards locked differently";
    if (s.picShow.enabled != (playing && !s.txtHelpVisible))
        return s.txtHelpVisible ? "Master Card open under the help panel" : "cards and Master Card locked differently";
    if (playing && (s.picMsg.visible || s.bytMisses == kMissesToLose))
        return "a finished game is not locked";
    if (s.picMsg.visible != s.Timer1Enabled)
        return "the result panel and its timer disagree";
    return {};
}

// A game played turn by turn, as a player's clicks: "draw 5" (card 5's
// picture on the Master Card), "draw 0.3" (the draw given r = 0.3), "pick 5",
// "match 1 2" (draw and pick each), "play", "help" and "tick" (the result
// timer), each called on the rules whatever the state. The first deal puts
// bitmap 500 + k on card k. Every invariant must hold after every turn.
struct Game {
    GameState s;
    RecordingOutside outside{s};
    ScriptedRandom random;
    GameRules rules{s, outside, random};

    explicit Game(uint64_t seed = 42) : random(seed)
    {
        rules.cmdPlay_Click();
        std::iota(s.intCardPic.begin(), s.intCardPic.end(), int16_t(501));
    }

    void turn(const QString &turn)
    {
        outside.events.clear();
        random.reseeds = 0;
        QStringList words = turn.split(' ');
        const QString verb = words.takeFirst();
        const std::map<QString, std::function<void()>> buttons{
            {"play", [&] { rules.HideHelp(); rules.cmdPlay_Click(); }}, // as the play button does
            {"help", [&] { rules.ShowHelp(); }}, {"tick", [&] { rules.Timer1_Timer(); }}};
        if (buttons.count(verb))
            buttons.at(verb)();
        for (const QString &k : words) {
            if (verb != "pick") {
                random.script = {k.contains('.') ? k.toDouble() : ScriptedRandom::drawing(s.strFaceDown, k.toInt())};
                rules.picShow_Click();
            }
            if (verb != "draw") {
                const bool drawn = s.picShow.picture != kMasterBack;
                rules.picMat_Click(k.toInt());
                // Taken (it pauses) only against a picture on the Master Card.
                QVERIFY2(drawn || outside.events.empty() || !outside.events.back().pause, "a pick with no picture drawn");
            }
        }
        QCOMPARE(brokenInvariant(s), std::string());
    }

    // How the game stands, and what its last turn sounded, showed while it
    // paused and reseeded, as "key value" fields.
    QStringList fields() const
    {
        static const char *const names[] = {"flip", "win", "click", "match", "refuse", "spare"};
        QStringList sounds, shown, line;
        bool firstPause = true;
        for (const Event &e : outside.events) {
            if (!e.pause)
                sounds << names[int(e.sound)];
            for (int k = 1; e.pause && k <= kCards; ++k) {
                const QString card = QString::number(k);
                if (firstPause && e.seen.intBoard[CardColumn(k)][CardRow(k)] == kFaceDown && e.seen.picMat[k].picture >= kFirstFace)
                    shown << card; // a face-down card showing its face
                if (sounds.endsWith("win") && !e.seen.picMat[k].visible && !line.contains(card))
                    line << card;  // hidden at some step of the blinking
            }
            firstPause = firstPause && !e.pause;
        }
        const auto list = [](const QStringList &l) { return l.isEmpty() ? "-" : l.join(' '); };
        return {"master " + (s.picShow.picture == kMasterBack ? "back" : QString::number(s.picShow.picture - 500)),
                "misses " + QString::number(s.bytMisses),
                "panel " + (!s.picMsg.visible ? "none" : s.picMsg.picture == kWinPanel ? "won " + QString::fromStdString(s.lblMsg) : "lost"),
                "sounds " + list(sounds), "shown " + list(shown), "line " + list(line), "reseeds " + QString::number(random.reseeds)};
    }
};

// A game lost at the eighth memory miss, all of picture 2.
const QString lost = "draw 1, pick 2" + QString(", draw 2, pick 3").repeated(8);

} // namespace

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    // Each row: a game's turns -> fields it must end with.
    void aGameEndsAsItsRowSays_data()
    {
        QTest::addColumn<QString>("game");
        // Eight face-down cards, 1 4 6 7 10 11 13 16: r = 0.3 takes the third.
        QTest::newRow("a draw takes a face-down card by its share of [0, 1)") << "match 2 3 5 8 9 12 14 15, draw 0.3 -> master 6, sounds flip, reseeds 0";
        QTest::newRow("a second draw is refused") << "draw 7, draw 5 -> master 7, sounds refuse";
        QTest::newRow("a match turns the card up for good") << "draw 6, pick 6 -> sounds match, shown 6, master back, reseeds 1";
        QTest::newRow("each later miss of it costs one more; the win panel tells")
            << "draw 1, pick 2, draw 2, pick 3, draw 2, pick 4, draw 2, pick 3, match 13 14 15 16 -> misses 3, panel won 3";
        QTest::newRow("a picture the pick exposes costs nothing yet") << "draw 1, pick 2, draw 1, pick 2 -> misses 0";
        QTest::newRow("remembering it costs nothing") << "draw 1, pick 2, draw 2, pick 2, draw 3, pick 4 -> misses 0";
        QTest::newRow("a picture seen only on the Master Card costs nothing") << "draw 5, pick 6, draw 5, pick 7, draw 5, pick 8 -> misses 0";
        QTest::newRow("the eighth loses") << lost + " -> misses 8, panel lost, sounds flip, shown 3, master back";
        QTest::newRow("a won game takes no click, silently") << "match 1 2 3, match 4, match 5 -> sounds -, panel won 0";
        QTest::newRow("a new deal after a loss starts afresh") << lost + ", play -> misses 0, panel none, master back, reseeds 2";
        QTest::newRow("a row wins") << "match 1 2 3, match 4 -> line 1 2 3 4, panel won 0, sounds flip match win";
        QTest::newRow("a column wins") << "match 3 7 11, match 15 -> line 3 7 11 15, panel won 0";
        QTest::newRow("row and column at once: the row") << "match 4 8 12 13 14 15, match 16 -> line 13 14 15 16";
        QTest::newRow("no pick under the help") << "draw 6, help, pick 6 -> master 6, sounds -, shown -";
        QTest::newRow("a diagonal is no line") << "match 1 6 11, match 16 -> line -, panel none";
    }
    void aGameEndsAsItsRowSays()
    {
        QFETCH(QString, game);
        Game played;
        for (const QString &turn : game.section(" -> ", 0, 0).split(", "))
            played.turn(turn);
        const QStringList fields = played.fields();
        for (const QString &field : game.section(" -> ", 1).split(", "))
            QVERIFY2(fields.contains(field), qPrintable("no " + field + " in: " + fields.join(", ")));
    }

    // Thousands of seeded games of random clicks on the Master Card, any
    // Fixed Card, the play or the help button. After every click every
    // invariant holds, and no pick is taken without a picture drawn.
    void aStormOfClicksKeepsEveryInvariant()
    {
        SeededRandom chooser(7);
        QSet<int16_t> ends; // the result panels seen after a click, kNoPicture for none
        for (int g = 1; g <= 4000 && !QTest::currentTestFailed(); ++g) {
            Game game(g);
            for (int c = 0; c < 120; ++c) {
                const double what = chooser.Next();
                // Now and then the player remembers where the drawn picture lies.
                const auto &pics = game.s.intCardPic;
                const auto drawn = std::find(pics.begin(), pics.end(), game.s.picShow.picture) - pics.begin();
                const int k = drawn < kCards && chooser.Next() < 0.3 ? int(drawn) + 1 : 1 + int(chooser.Next() * kCards);
                game.turn(what < 0.02 ? "play" : what < 0.03 ? "help" : what < 0.35 ? "draw " + QString::number(chooser.Next(), 'f', 9)
                                                 : what < 0.98 ? "pick " + QString::number(k) : "tick");
                ends << (game.s.picMsg.visible ? game.s.picMsg.picture : kNoPicture);
            }
        }
        QCOMPARE(ends, (QSet<int16_t>{kNoPicture, kWinPanel, kLosePanel}));
    }

    // Five cards: the partner is 4r + 1, rounded, so eighths make exact halves.
    void theShuffleDealsAsItsDrawsSay_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QList<int>>("deck");
        QTest::newRow("halves round to the even neighbour") << QList<double>{0.125, 0.375, 0.625, 0.875, 0.375} << QList<int>{2, 5, 4, 3, 1};
        QTest::newRow("later steps reach back to the first place") << QList<double>(5, 0) << QList<int>{5, 1, 2, 3, 4};
        QTest::newRow("just below a half rounds down") << QList<double>(5, 0.1) << QList<int>{5, 1, 2, 3, 4};
    }
    void theShuffleDealsAsItsDrawsSay()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QList<int>, deck);
        ScriptedRandom random; // the deck 1, 2, ... shuffled with the given draws, one each
        random.script = {draws.begin(), draws.end()};
        std::vector<int16_t> dealt(draws.size());
        std::iota(dealt.begin(), dealt.end(), int16_t(1));
        ShuffleDeck(dealt, random);
        QCOMPARE(QList<int>(dealt.begin(), dealt.end()), deck);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "rules_test.moc"
