#include "rules/player_model.h"

#include "rules/quiz_rules.h"
#include "rules/target_clock.h"
#include "rules/target_scoring.h"

#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace tavrin::rules {
namespace {

constexpr std::array kModels{
    PlayerModel{"weak", 0.4, 0.6, 0.65, true,
                "quiz 40% right; target game 12 clicks, 65% on causes"},
    PlayerModel{"fair", 0.6, 0.75, 0.75, true,
                "quiz 60% right; target game 15 clicks, 75% on causes"},
    PlayerModel{"strong", 0.8, 0.95, 0.85, true,
                "quiz 80% right; target game 19 clicks, 85% on causes"},
    PlayerModel{"fast", 0.6, 5.0, 0.7, true,
                "quiz 60% right; target game 100 clicks, 70% on causes"},
    PlayerModel{"expert", 1.0, 0.75, 1.0, true,
                "quiz all right; target game 15 clicks, all on causes"},
    // Three of the five pictures are causes.
    PlayerModel{"clicker", 1.0 / 3, 5.0, 0.6, false,
                "quiz answers at random; target game 100 clicks on any picture"},
};

constexpr int kCauseTarget = 0;
constexpr int kHabitTarget = 1;
// The targets jump to new places this often.
constexpr double kJumpSeconds = 0.6;

int clicksIn(const PlayerModel& player) {
    return static_cast<int>(std::lround(player.clicksPerSecond * kTargetGameSeconds));
}

long long classicTargetBonus(const PlayerModel& player, SimulationRandom& random) {
    long long points = 0;
    for (int i = 0; i < clicksIn(player); ++i)
        points += targetPoints(random.next() < player.targetAccuracy ? kCauseTarget : kHabitTarget);
    return points;
}

// A target of the kind the player means to shoot that is still standing, if any.
std::optional<int> aim(const PlayerModel& player, const StandingTargets& targets,
                       SimulationRandom& random) {
    if (!player.knowsTheCauses)
        return random.wholeUpTo(kTargetCount) - 1;
    const bool cause = random.next() < player.targetAccuracy;
    std::vector<int> standing;
    for (int i = 0; i < kTargetCount; ++i)
        if (isCauseTarget(i) == cause && targets.isStanding(i))
            standing.push_back(i);
    if (standing.empty())
        return std::nullopt;
    return standing[static_cast<std::size_t>(random.wholeUpTo(static_cast<int>(standing.size())) -
                                             1)];
}

// The clicks spread evenly over the 20 seconds, each at a random moment of its share.
long long learningTargetBonus(const PlayerModel& player, SimulationRandom& random) {
    StandingTargets targets(targetRules(GameMode::Learning));
    const int clicks = clicksIn(player);
    int jump = 0;
    long long points = 0;
    for (int i = 0; i < clicks; ++i) {
        const double at = (i + random.next()) * kTargetGameSeconds / clicks;
        if (const int now = static_cast<int>(at / kJumpSeconds); now != jump) {
            targets.jumped();
            jump = now;
        }
        if (const std::optional<int> target = aim(player, targets, random))
            points += targets.shoot(*target).value_or(0);
    }
    return points;
}

} // namespace

std::span<const PlayerModel> playerModels() {
    return kModels;
}

const PlayerModel* findPlayerModel(std::string_view name) {
    for (const PlayerModel& model : kModels)
        if (model.name == name)
            return &model;
    return nullptr;
}

long long quizBonus(const PlayerModel& player, SimulationRandom& random) {
    long long points = 0;
    for (int i = 0; i < kQuizQuestionsPerRound; ++i)
        points += random.next() < player.quizRightChance ? kRightAnswerPoints : kWrongAnswerPoints;
    return points;
}

long long targetBonus(const PlayerModel& player, GameMode mode, SimulationRandom& random) {
    return mode == GameMode::Classic ? classicTargetBonus(player, random)
                                     : learningTargetBonus(player, random);
}

} // namespace tavrin::rules
