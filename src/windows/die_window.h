#pragma once

#include "windows/game_window.h"

namespace tavrin {

// The die: a green ball whose face turns every 150 ms; a click throws the face on display.
class DieWindow : public GameWindow {
    Q_OBJECT
public:
    explicit DieWindow(AppContext& ctx);

    // The die's switch is its timer's interval: this while it turns, 0 while it is stopped.
    static constexpr int kTurningInterval = 150;

    void onLoad() override;
    void Timer1_Timer();
    void imgDice_Click();

protected:
    void systemClose() override {} // the die only goes with the board

private:
    void showFace();
};

} // namespace tavrin
