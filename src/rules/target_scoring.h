#pragma once

namespace tavrin::rules {

inline constexpr int kTargetCount = 5;

// Targets 0, 2 and 4 show causes of heart disease; 1 and 3 show healthy habits.
bool isCauseTarget(int index);

// What one click on a target is worth: a cause wins 100 points, a healthy habit loses 100.
long long targetPoints(int index);

} // namespace tavrin::rules
