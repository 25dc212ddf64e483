#pragma once

#include "rules/mini_game_round.h"
#include "rules/target_clock.h"

namespace tavrin::rules {

// One target game: 20 seconds on the countdown; a click on a cause of heart disease wins 100
// points, one on a healthy habit loses 100.
class TargetRound : public MiniGameRound {
public:
    // The countdown starts now.
    explicit TargetRound(const Clock& clock) : countdown_(clock) {}

    // Scores a click on target 0 to 4; true when it was a cause.
    bool hit(int target);
    TargetCountdown::Tick tick() { return countdown_.tick(); }

    // "Score: " and the points, then one blank.
    std::string scoreCaption() const override;

private:
    TargetCountdown countdown_;
};

} // namespace tavrin::rules
