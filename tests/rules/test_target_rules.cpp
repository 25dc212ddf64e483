#include "rules/clock.h"
#include "rules/random.h"
#include "rules/target_clock.h"
#include "rules/target_positions.h"
#include "rules/target_round.h"
#include "rules/target_scoring.h"

#include <QtTest>
#include <set>

using namespace tavrin;
using namespace tavrin::rules;
using Digits = std::array<int, 6>;
using State = TargetCountdown::State;

namespace {

// The monotonic and the wall clock move independently, as after a change of the system time.
class SteppedClock final : public Clock {
public:
    double secondsSinceMidnight() const override { return wall; }
    double monotonicSeconds() const override { return mono; }
    double wall = 86390; // ten seconds before midnight
    double mono = 500;
};

} // namespace

class TargetRulesTest : public QObject {
    Q_OBJECT
private slots:
    void clockDigitsRoundHalfToEven() {
        QCOMPARE(roundHalfToEven(1.5), 2LL);
        QCOMPARE(roundHalfToEven(2.5), 2LL);
        QCOMPARE(roundHalfToEven(2.5001), 3LL);
        QCOMPARE(countdownDigits(20.0), (Digits{0, 0, 2, 0, 0, 0}));
        // 19.995 * 100 is exactly 1999.5: the tie goes to 2000.
        QCOMPARE(countdownDigits(19.995), (Digits{0, 0, 2, 0, 0, 0}));
        QCOMPARE(countdownDigits(19.985), (Digits{0, 0, 1, 9, 9, 8}));
        QCOMPARE(countdownDigits(12.34), (Digits{0, 0, 1, 2, 3, 4}));
        // 0.5 hundredths: the tie goes to 0.
        QCOMPARE(countdownDigits(0.005), (Digits{0, 0, 0, 0, 0, 0}));
        // The minutes come from the whole seconds rounded on their own: 75.5 -> 76 -> 1 minute.
        QCOMPARE(countdownDigits(75.5), (Digits{0, 1, 1, 5, 5, 0}));
        for (int thousandths = 20000; thousandths >= 1; --thousandths) {
            const Digits d = countdownDigits(thousandths / 1000.0);
            QVERIFY2(d[0] == 0 && d[1] == 0 && d[2] <= 2, qPrintable(QString::number(thousandths)));
        }
    }

    void countdownEndsOnceAfterTwentySeconds() {
        SteppedClock clock;
        TargetCountdown countdown(clock);
        TargetCountdown::Tick t = countdown.tick();
        QCOMPARE(t.state, State::Running);
        QCOMPARE(t.secondsLeft, 20.0);
        clock.mono += 19.99;
        QCOMPARE(countdown.tick().state, State::Running);
        clock.mono += 0.01;
        t = countdown.tick();
        QCOMPARE(t.state, State::TimeUp);
        QVERIFY(t.secondsLeft <= 0);
        // Ticks that arrive afterwards, e.g. while the bonus message is open, end nothing.
        for (int i = 0; i < 3; ++i) {
            clock.mono += 0.01;
            QCOMPARE(countdown.tick().state, State::AlreadyOver);
        }
    }

    void countdownIgnoresMidnightAndChangesOfTheSystemTime() {
        SteppedClock clock;
        TargetCountdown countdown(clock);
        clock.wall = 5; // past midnight
        clock.mono += 15;
        QCOMPARE(countdown.tick().secondsLeft, 5.0);
        clock.wall = 40000; // the system time is set forward by hours
        clock.mono += 4;
        QCOMPARE(countdown.tick().state, State::Running);
        clock.mono += 1;
        QCOMPARE(countdown.tick().state, State::TimeUp);
    }

    void positionsAreWholeStepsInsideTheirRanges() {
        Random rng(fixedSeedSource(3));
        std::set<int> tops, lefts;
        for (int tick = 0; tick < 4000; ++tick)
            for (const TargetPosition& p : drawTargetPositions(rng)) {
                QCOMPARE(p.top % 100, 0);
                QCOMPARE(p.left % 100, 0);
                tops.insert(p.top);
                lefts.insert(p.left);
            }
        // Every place is reached, and nothing outside: 100..2500 and 100..4000.
        QCOMPARE(int(tops.size()), 25);
        QCOMPARE(*tops.begin(), 100);
        QCOMPARE(*tops.rbegin(), 2500);
        QCOMPARE(int(lefts.size()), 40);
        QCOMPARE(*lefts.begin(), 100);
        QCOMPARE(*lefts.rbegin(), 4000);
    }

    void positionsDrawTopThenLeftForEachTargetInTurn() {
        Random game(fixedSeedSource(77));
        Random replay(fixedSeedSource(77));
        const auto positions = drawTargetPositions(game);
        for (const TargetPosition& p : positions) {
            QCOMPARE(p.top, 100 * (1 + int(25 * replay.next())));
            QCOMPARE(p.left, 100 * (1 + int(40 * replay.next())));
        }
    }

    void causesWinAndHabitsLose() {
        SteppedClock clock;
        TargetRound round(clock, GameMode::Classic);
        QCOMPARE(round.scoreCaption(), std::string("Score: 0 "));
        const long long points[] = {100, -100, 100, -100, 100};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(targetPoints(i), points[i]);
            QVERIFY(round.hit(i));
        }
        round.hit(1);
        round.hit(3);
        round.hit(3);
        QCOMPARE(round.scoreCaption(), std::string("Score: -200 "));
        QCOMPARE(round.causesHit(), 3);
        QCOMPARE(round.habitsHit(), 5);
        QCOMPARE(round.bonusText(), std::string("Bonus: -200"));
    }

    // Classic: every click counts. Learning: a target shot falls until the targets jump, and a
    // healthy habit costs more than a cause earns.
    void shotTargetsFallOnlyInLearningMode() {
        StandingTargets classic(targetRules(GameMode::Classic));
        for (int shot = 0; shot < 3; ++shot) {
            QCOMPARE(classic.shoot(0), std::optional(100LL));
            QCOMPARE(classic.shoot(1), std::optional(-100LL));
        }
        QVERIFY(targetRules(GameMode::Classic).crosshairOverCauses);
        StandingTargets learning(targetRules(GameMode::Learning));
        QCOMPARE(learning.shoot(2), std::optional(150LL));
        QCOMPARE(learning.shoot(2), std::nullopt);
        QCOMPARE(learning.shoot(3), std::optional(-250LL));
        QVERIFY(!learning.isStanding(3) && learning.isStanding(4));
        learning.jumped();
        QCOMPARE(learning.shoot(2), std::optional(150LL));
        QVERIFY(!targetRules(GameMode::Learning).crosshairOverCauses);
    }
};

QTEST_APPLESS_MAIN(TargetRulesTest)
#include "test_target_rules.moc"
