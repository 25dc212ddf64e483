#pragma once

#include "rules/game_state.h"
#include "windows/game_window.h"

#include <array>
#include <functional>
#include <string>

namespace tavrin {

class MessageBoxes;
class PlayingScreen;

namespace rules {
class ContentError;
class Random;
} // namespace rules

// The board: 38 squares on a spiral path, the player's character and the heart in the middle.
// It starts the game session when it loads, opens the mini-game a throw lands on, and leads to
// the end window when the game is over (or when the board is closed).
class BoardWindow : public GameWindow {
    Q_OBJECT
public:
    // What stops the game when its content cannot be read (the problem is shown, the program
    // ends).
    using ContentFailure = std::function<void(const rules::ContentError&)>;

    // The board, its messages and the questions come from `contentDir`.
    BoardWindow(const WindowBasics& basics, rules::Random& rng, MessageBoxes& messages,
                PlayingScreen& playingScreen, std::string contentDir, ContentFailure failed);

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

    rules::Random& rng_;
    MessageBoxes& messages_;
    PlayingScreen& playingScreen_;
    const std::string contentDir_;
    ContentFailure failed_;
    ImageControl& character_;
    std::array<ImageControl*, rules::kSquareCount> squares_;
    ImageControl& heart_;
};

} // namespace tavrin
