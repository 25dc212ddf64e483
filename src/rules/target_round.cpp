#include "rules/target_round.h"

namespace tavrin::rules {

bool TargetRound::hit(int target) {
    const std::optional<long long> points = standing_.shoot(target);
    if (!points)
        return false;
    addPoints(*points);
    ++(isCauseTarget(target) ? causesHit_ : habitsHit_);
    return true;
}

std::string TargetRound::scoreCaption() const {
    return "Score: " + std::to_string(score()) + " ";
}

} // namespace tavrin::rules
