#pragma once

#include "rules/game_mode.h"
#include "rules/mini_game_round.h"
#include "rules/target_clock.h"
#include "rules/target_scoring.h"

namespace tavrin::rules {

// One target game: 20 seconds on the countdown; a shot at a cause of heart disease wins points,
// one at a healthy habit loses them, as the mode's rules say (target_scoring.h).
class TargetRound : public MiniGameRound {
public:
    // The countdown starts now.
    TargetRound(const Clock& clock, GameMode mode)
        : countdown_(clock), rules_(targetRules(mode)), standing_(rules_) {}

    // Scores a shot at target 0 to 4; false when that target has fallen and was not hit.
    bool hit(int target);
    // The targets jump to new places: the fallen ones stand again.
    void jumped() { standing_.jumped(); }
    bool isStanding(int target) const { return standing_.isStanding(target); }
    const TargetRules& rules() const { return rules_; }
    TargetCountdown::Tick tick() { return countdown_.tick(); }

    int causesHit() const { return causesHit_; }
    int habitsHit() const { return habitsHit_; }

    // "Score: " and the points, then one blank.
    std::string scoreCaption() const override;

private:
    TargetCountdown countdown_;
    const TargetRules& rules_;
    StandingTargets standing_;
    int causesHit_ = 0;
    int habitsHit_ = 0;
};

} // namespace tavrin::rules
