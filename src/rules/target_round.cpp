#include "rules/target_round.h"

#include "rules/target_scoring.h"

namespace tavrin::rules {

bool TargetRound::hit(int target) {
    addPoints(targetPoints(target));
    return isCauseTarget(target);
}

std::string TargetRound::scoreCaption() const {
    return "Score: " + std::to_string(score()) + " ";
}

} // namespace tavrin::rules
