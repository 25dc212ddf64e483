#pragma once

#include "windows/game_window.h"

namespace tavrin {

namespace rules {
class Random;
}

// The die: a green ball whose face turns while its timer runs; a click throws the face on
// display. It stops turning when a mini-game opens and a click holds it, and turns again when
// the game session releases it or a mini-game ends with its bonus.
class DieWindow : public GameWindow {
    Q_OBJECT
public:
    DieWindow(const WindowBasics& basics, rules::Random& rng);

    void onLoad() override;
    void onTurnTick();
    void onDieClicked();

    bool isTurning() const;
    ImageControl& face() const { return face_; }

    void dieReleased() override;
    void miniGameClosed(rules::MiniGame game, rules::MiniGameEnd how) override;

protected:
    void systemClose() override {} // the die only goes with the board

private:
    void startTurning();
    void stopTurning();
    // announce: tell assistive technology the face (a throw), not merely show it (a turn).
    void showFace(bool announce = false);

    rules::Random& rng_;
    ImageControl& face_;
    IntervalTimer& turnTimer_;
    int turningInterval_;
};

} // namespace tavrin
