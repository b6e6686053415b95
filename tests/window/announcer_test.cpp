#include <QtTest>

#include "Announcer.h"
#include "GameFixture.h"
#include "GameRules.h"
#include "pictureNames.h"

using namespace mdlPicfunc;

// What a listener is told as games go, from the game's state at each sound
// and pause as the window shows it, then the state on demand.
class AnnouncerTest : public QObject, GameOutside {
    Q_OBJECT
    GameState state, before;
    ScriptedRandom random;
    GameRules rules{state, *this, random};
    QStringList told;

    void PlayWave(Sound) override { Pause(0); }
    void Pause(int) override { told << Announcer::News(std::exchange(before, state), state); }

private slots:
    void tellsTheRulesEvents_data()
    {
        // dK draws card K's picture, pK picks card K; {K} names card K's picture.
        QTest::addColumn<QString>("turns");
        QTest::addColumn<QString>("heard");
        QTest::newRow("misses") << "d1 p1 d3 p2 d2 p4 d5"
            << "|New game. Master Card, {1}. Card 1, row 1, column 1, {1}: a match. Master Card, {3}. Card 2, row 1, "
               "column 2, {2}: no match, turned back. Master Card, {2}. Card 4, row 1, column 4, {4}: no match, turned "
               "back. 1 of 8 memory misses. Master Card, {5}.|Find the {5}. 1 of 8 memory misses. 1 matched: row 1 column 1.";
        QTest::newRow("a row") << "d1 p1 d2 p2 d3 p3 d4 p4" << "A row of four: row 1! You won with 0 memory*|Game over: You "
            "won* 0 of 8 memory misses. 4 matched: row 1 column 1, row 1 column 2, row 1 column 3, row 1 column 4.";
        QTest::newRow("a column") << "d2 p2 d6 p6 d10 p10 d14 p14" << "A row of four: column 2! You won";
    }
    void tellsTheRulesEvents()
    {
        QFETCH(QString, turns);
        QFETCH(QString, heard);
        told.clear();
        rules.SetUp();
        rules.cmdPlay_Click();
        Pause(0);
        for (const QString &turn : turns.split(' ')) {
            random.script = {ScriptedRandom::drawing(state.strFaceDown, turn.mid(1).toInt())};
            turn[0] == 'd' ? rules.picShow_Click() : rules.picMat_Click(turn.mid(1).toInt());
            Pause(0);
        }
        for (int k = kCards; k >= 1; --k)
            heard.replace(QString("{%1}").arg(k), PictureName(state.intCardPic[k]));
        // Parts of what was said, in order, * between them; | before it and before the state.
        const QString said = '|' + told.join(' ') + '|' + Announcer::State(state);
        qsizetype at = 0;
        for (const QString &part : heard.split('*'))
            QVERIFY2((at = said.indexOf(part, at)) >= 0, qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(AnnouncerTest)
#include "announcer_test.moc"
