#pragma once

#include "rules/target_scoring.h"

#include <array>

namespace tavrin::rules {

class Random;

// Where a target stands, in twips within the target window's client area.
struct TargetPosition {
    int left = 0;
    int top = 0;
    bool operator==(const TargetPosition&) const = default;
};

inline constexpr int kTargetStep = 100;
inline constexpr int kTargetTopSteps = 25;  // Top: 100 to 2500
inline constexpr int kTargetLeftSteps = 40; // Left: 100 to 4000

// New places for the five targets: two draws each, Top before Left, target 0 first. Some
// places put part of a target beyond the window's edge; that is part of the game.
std::array<TargetPosition, kTargetCount> drawTargetPositions(Random& rng);

} // namespace tavrin::rules
