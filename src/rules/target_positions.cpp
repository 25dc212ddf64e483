#include "rules/target_positions.h"

#include "rules/random.h"

namespace tavrin::rules {

std::array<TargetPosition, kTargetCount> drawTargetPositions(Random& rng) {
    std::array<TargetPosition, kTargetCount> positions;
    for (TargetPosition& p : positions) {
        p.top = kTargetStep * rng.wholeUpTo(kTargetTopSteps);
        p.left = kTargetStep * rng.wholeUpTo(kTargetLeftSteps);
    }
    return positions;
}

} // namespace tavrin::rules
