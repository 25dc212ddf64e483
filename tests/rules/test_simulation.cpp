#include "rules/player_model.h"
#include "rules/simulation.h"

#include <QtTest>
#include <set>

using namespace tavrin::rules;

namespace {

BoardContent everySquareWorth(long long value) {
    BoardContent board;
    board.values.fill(value);
    return board;
}

const PlayerModel& fair() {
    return *findPlayerModel("fair");
}

} // namespace

class SimulationTest : public QObject {
    Q_OBJECT
private slots:
    // Whatever the die shows: 1000 + 49 x 82 = 5018 wins at the 50th click, 49 x 81 falls short.
    void fortyNineMovingThrowsAndTheWinTestedBeforeEachThrow() {
        SimulationRandom random(1);
        const SimulatedGame won =
            simulateGame(everySquareWorth(82), fair(), GameMode::Classic, random);
        QCOMPARE(won.won, true);
        QCOMPARE(won.movingThrows, 49);
        QCOMPARE(won.finalScore, 5018LL);
        const SimulatedGame lost =
            simulateGame(everySquareWorth(81), fair(), GameMode::Learning, random);
        QCOMPARE(lost.won, false);
        QCOMPARE(lost.movingThrows, 49);
        QCOMPARE(lost.finalScore, 4969LL);
    }

    void miniGameBonusesFollowThePlayerModel() {
        SimulationRandom random(3);
        std::set<long long> quizValues;
        double quizSum = 0, targetSum = 0;
        constexpr int kRounds = 4000;
        for (int i = 0; i < kRounds; ++i) {
            const long long quiz = quizBonus(fair(), random);
            quizValues.insert(quiz);
            quizSum += quiz;
            const long long target = targetBonus(fair(), GameMode::Classic, random);
            QVERIFY(target % 100 == 0 && target >= -1500 && target <= 1500);
            targetSum += target;
        }
        QCOMPARE(quizValues, (std::set<long long>{-250, -100, 50, 200, 350, 500}));
        QVERIFY(std::abs(quizSum / kRounds - 5 * (0.6 * 100 - 0.4 * 50)) < 15);
        QVERIFY(std::abs(targetSum / kRounds - 15 * (0.75 - 0.25) * 100) < 30);
    }

    // Learning mode: whoever knows the causes shoots only those, and a fallen one cannot be
    // shot again; clicking fast at anything loses points.
    void learningTargetGameRewardsKnowingOverClicking() {
        SimulationRandom random(5);
        double clickerSum = 0;
        for (int i = 0; i < 2000; ++i) {
            QCOMPARE(targetBonus(*findPlayerModel("expert"), GameMode::Learning, random), 2250LL);
            clickerSum += targetBonus(*findPlayerModel("clicker"), GameMode::Learning, random);
        }
        QVERIFY(clickerSum / 2000 < -500);
    }

    void everyModelIsFoundByName() {
        for (const PlayerModel& model : playerModels())
            QCOMPARE(findPlayerModel(model.name), &model);
        QVERIFY(!findPlayerModel("pro"));
    }

    void summaryGivesWinRateMedianThrowsAndScoreQuartiles() {
        const SimulatedGame games[] = {{true, 30, 5100},
                                       {false, 49, 3000},
                                       {true, 20, 6000},
                                       {false, 49, 4000},
                                       {true, 40, 5000}};
        const SimulationSummary s = summarize(games);
        QCOMPARE(s.games, 5);
        QCOMPARE(s.wins, 3);
        QCOMPARE(*s.medianThrowsToWin, 30.0);
        QCOMPARE(s.lowerQuartile, 4000.0);
        QCOMPARE(s.median, 5000.0);
        QCOMPARE(s.upperQuartile, 5100.0);
        QVERIFY(!summarize(std::span<const SimulatedGame>(games + 1, 1)).medianThrowsToWin);
    }
};

QTEST_APPLESS_MAIN(SimulationTest)
#include "test_simulation.moc"
