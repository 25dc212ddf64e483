#pragma once

#include "rules/game_state.h"
#include "windows/game_window.h"

#include <array>

namespace tavrin {

// The board: 38 squares on a spiral path, the player's character and the heart in the middle.
// It starts the game session when it loads, opens the mini-game a throw lands on, and leads to
// the end window when the game is over (or when the board is closed).
class BoardWindow : public GameWindow {
    Q_OBJECT
public:
    explicit BoardWindow(AppContext& ctx);

    void onLoad() override;
    void onUnload() override;

    void throwPlayed(const rules::ThrowOutcome& outcome) override;
    void miniGameOpened(rules::MiniGame game) override;
    void gameWon() override;
    void gameEnded() override;

private:
    void showSquares();
    void placeCharacter(int square);
    void runEndSequence();
    void describe();

    ImageControl& character_;
    std::array<ImageControl*, rules::kSquareCount> squares_;
    ImageControl& heart_;
};

} // namespace tavrin
