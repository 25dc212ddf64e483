#include "rules/player_model.h"

#include "rules/quiz_rules.h"
#include "rules/target_clock.h"
#include "rules/target_scoring.h"

#include <array>
#include <cmath>

namespace tavrin::rules {
namespace {

constexpr std::array kModels{
    PlayerModel{"weak", 0.4, 0.6, 0.65, "quiz 40% right; target game 12 clicks, 65% on causes"},
    PlayerModel{"fair", 0.6, 0.75, 0.75, "quiz 60% right; target game 15 clicks, 75% on causes"},
    PlayerModel{"strong", 0.8, 0.95, 0.85, "quiz 80% right; target game 19 clicks, 85% on causes"},
    PlayerModel{"fast", 0.6, 5.0, 0.7, "quiz 60% right; target game 100 clicks, 70% on causes"},
};

constexpr int kCauseTarget = 0;
constexpr int kHabitTarget = 1;

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

long long targetBonus(const PlayerModel& player, SimulationRandom& random) {
    const int clicks = static_cast<int>(std::lround(player.clicksPerSecond * kTargetGameSeconds));
    long long points = 0;
    for (int i = 0; i < clicks; ++i)
        points += targetPoints(random.next() < player.targetAccuracy ? kCauseTarget : kHabitTarget);
    return points;
}

} // namespace tavrin::rules
