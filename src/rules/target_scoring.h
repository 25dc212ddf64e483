#pragma once

#include "rules/game_mode.h"

#include <bitset>
#include <optional>

namespace tavrin::rules {

inline constexpr int kTargetCount = 5;

// Targets 0, 2 and 4 show causes of heart disease; 1 and 3 show healthy habits.
bool isCauseTarget(int index);

// What one click on a target is worth: a cause wins 100 points, a healthy habit loses 100.
long long targetPoints(int index);

// How the target game scores. In classic mode every click counts, however often the same
// target is clicked between two jumps, and the crosshair shows over the causes only, so a fast
// clicker wins without knowing anything. In learning mode a target shot falls and stays down
// until the targets next jump, the pointer is the same over every target, and shooting a
// healthy habit costs more than a cause earns: knowing which is which pays, clicking fast
// hardly does.
struct TargetRules {
    long long causePoints;
    long long habitPoints;
    bool shotTargetFalls;
    bool crosshairOverCauses;
};
const TargetRules& targetRules(GameMode mode);

// The targets standing to be shot between two jumps.
class StandingTargets {
public:
    explicit StandingTargets(const TargetRules& rules) : rules_(rules) {}

    // The points of a shot at a target, or nothing when it is down.
    std::optional<long long> shoot(int index);
    void jumped() { down_.reset(); }
    bool isStanding(int index) const { return !down_.test(static_cast<std::size_t>(index)); }

private:
    const TargetRules& rules_;
    std::bitset<kTargetCount> down_;
};

} // namespace tavrin::rules
