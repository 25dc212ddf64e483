#pragma once

#include "rules/target_round.h"
#include "windows/mini_game_window.h"

#include <array>
#include <optional>

namespace tavrin {

class ReadingControl;

namespace rules {
class EventLog;
class Random;
} // namespace rules

// The target game: for 20 seconds five pictures jump about the window every 600 ms; clicking
// a cause of heart disease wins 100 points, clicking a healthy habit loses 100. When the red
// clock reaches zero the points are shown as a bonus, added to the score, and the window closes
// itself.
class TargetGameWindow : public MiniGameWindow {
    Q_OBJECT
public:
    TargetGameWindow(const WindowBasics& basics, SoundService& audio, MessageBoxes& messages,
                     rules::Random& rng, rules::EventLog& log);

    void onLoad() override;
    void onTargetClicked(int target);
    void onJumpTick();
    void onClockTick();

    // The keyboard's aim is the focus on a target (Space or Enter on it is its click): it moves
    // over the targets in view. The targets take the focus from the first aim on, so that a
    // game played with the mouse shows no aim.
    void moveAim(bool forward);

    // The round in play, from the window's opening.
    const rules::TargetRound& round() const { return *round_; }
    ImageControl& target(int target) const { return *targets_[target]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void describe();
    void showClock(const std::array<int, 6>& digits);
    // Learning mode's line after the bonus: what was shot, and a habit good for the heart.
    QString lesson() const;

    rules::Random& rng_;
    rules::EventLog& log_;
    std::array<ImageControl*, rules::kTargetCount> targets_;
    LabelControl& score_;
    // Minutes, seconds and hundredths, two digits each.
    std::array<ImageControl*, 6> clockDigits_;
    IntervalTimer& jumpTimer_;
    IntervalTimer& clockTimer_;
    ReadingControl* clockReading_ = nullptr;
    std::optional<rules::TargetRound> round_; // its countdown starts when the window opens
    int lastHabitShot_ = 1;                   // the healthy habit the lesson names
    bool aiming_ = false;                     // the keyboard has aimed
};

} // namespace tavrin
