#pragma once

#include "rules/target_clock.h"
#include "windows/game_window.h"

#include <array>
#include <optional>

namespace tavrin {

class SoundControl;

// The target game: for 20 seconds five pictures jump about the window every 600 ms; clicking
// a cause of heart disease wins 100 points, clicking a healthy habit loses 100. When the red
// clock reaches zero the points are shown as a bonus, added to the score, and the window closes
// itself. While it is open the board takes no throw and the game keeps the activation against
// the game's other windows.
class TargetGameWindow : public GameWindow {
    Q_OBJECT
public:
    explicit TargetGameWindow(AppContext& ctx);

    void onLoad() override;
    void onUnload() override;
    void imgTarget_Click(int Index);
    void Timer1_Timer();
    void Timer2_Timer();

    long long gameScore() const { return GameScore; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void systemClose() override;

private:
    void timeOver();
    void showClock(const std::array<int, 6>& digits);
    void playSound(SoundControl& device);

    long long GameScore = 0;
    std::optional<rules::TargetCountdown> countdown_; // StartTime: set when the window opens
};

} // namespace tavrin
