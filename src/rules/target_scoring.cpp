#include "rules/target_scoring.h"

namespace tavrin::rules {
namespace {

constexpr long long kPointsPerTarget = 100;

} // namespace

bool isCauseTarget(int index) {
    return index % 2 == 0;
}

long long targetPoints(int index) {
    return isCauseTarget(index) ? kPointsPerTarget : -kPointsPerTarget;
}

} // namespace tavrin::rules
