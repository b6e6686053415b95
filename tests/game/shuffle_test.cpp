#include <QtTest>
#include <set>

#include "GameFixture.h"

using namespace mdlPicfunc;

class ShuffleTest : public QObject {
    Q_OBJECT
private slots:
    void exactOutput_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QList<int>>("expected");
        // Five elements: j = 4r + 1, so multiples of 1/8 land on exact halves.
        QTest::newRow("halves go to the even neighbour")
            << QList<double>{0.125, 0.375, 0.625, 0.875, 0.375} << QList<int>{2, 5, 4, 3, 1};
        QTest::newRow("later steps reach back to the first place")
            << QList<double>{0, 0, 0, 0, 0} << QList<int>{5, 1, 2, 3, 4};
        QTest::newRow("every step may reach the last place")
            << QList<double>{0.99, 0.99, 0.99, 0.99, 0.99} << QList<int>{5, 1, 2, 3, 4};
        QTest::newRow("just below a half rounds down")
            << QList<double>{0.1, 0.1, 0.1, 0.1, 0.1} << QList<int>{5, 1, 2, 3, 4};
        QTest::newRow("one element stays put") << QList<double>{0.7} << QList<int>{1};
    }
    void exactOutput()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QList<int>, expected);
        std::vector<int16_t> deck(expected.size());
        for (size_t i = 0; i < deck.size(); ++i)
            deck[i] = int16_t(i + 1);
        ScriptedRandom random;
        random.script.assign(draws.begin(), draws.end());
        ShuffleDeck(deck, random);
        QCOMPARE(QList<int>(deck.begin(), deck.end()), expected);
        QCOMPARE(random.reseeds, 1);
        QVERIFY(random.script.empty());
    }

    // Where the first element goes when only the first step swaps (the later
    // steps are handed r = (i - 1) / (n - 1), which lands on i itself) shows
    // how the partner is chosen: both ends half as often as any middle place.
    void endsAreDrawnHalfAsOften()
    {
        constexpr int n = 54, trials = 200000;
        std::vector<int> landed(n + 1, 0);
        SeededRandom source(20261206);
        for (int t = 0; t < trials; ++t) {
            std::vector<int16_t> deck(n);
            for (int i = 0; i < n; ++i)
                deck[i] = int16_t(i + 1);
            ScriptedRandom random;
            random.script.push_back(source.Next());
            for (int i = 2; i <= n; ++i)
                random.script.push_back(double(i - 1) / (n - 1));
            ShuffleDeck(deck, random);
            landed[std::find(deck.begin(), deck.end(), 1) - deck.begin() + 1]++;
        }
        const double middle = double(trials) / (n - 1);  // 1/53 of the trials
        for (int j = 2; j < n; ++j)
            QVERIFY2(std::abs(landed[j] - middle) < 0.12 * middle, qPrintable(QString::number(landed[j])));
        for (int j : {1, n})
            QVERIFY2(std::abs(landed[j] - middle / 2) < 0.12 * middle / 2, qPrintable(QString::number(landed[j])));
    }

    void dealtPicturesAreDistinctFaces()
    {
        for (uint64_t seed = 1; seed <= 500; ++seed) {
            GameState state;
            RecordingOutside outside(state);
            SeededRandom random(seed);
            GameRules(state, outside, random).cmdPlay_Click();
            std::set<int> pictures(state.intCardPic.begin(), state.intCardPic.end());
            QCOMPARE(int(pictures.size()), kCards);
            QVERIFY(*pictures.begin() >= kFirstFace && *pictures.rbegin() <= kLastFace);
            std::set<int> deck(state.intDeck.begin(), state.intDeck.end());
            QCOMPARE(int(deck.size()), kPictures);
        }
    }
};

QTEST_GUILESS_MAIN(ShuffleTest)
#include "shuffle_test.moc"
