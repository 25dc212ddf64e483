#pragma once

#include "rules/game_session.h"

namespace tavrin {

class GameWindow;
class SoundService;
class WindowRegistry;

// The windows that play beside the board: the status strip, the die and the handle around it,
// and the mini-game a throw opens. The board opens and closes them through this, so that it
// knows none of them, and the handle finds its group here.
class PlayingScreen {
public:
    PlayingScreen(WindowRegistry& windows, SoundService& audio)
        : windows_(windows), audio_(audio) {}

    // Shows the strip, the die and the handle, and places the group whole on the game's screen.
    void openCompanions();
    void openMiniGame(rules::MiniGame game);
    // Unloads every window of the playing screen but the board.
    void closeCompanions();
    void showEnd();
    // Takes the whole playing screen down, board and mini-game included, without the end
    // window: the game is left unfinished.
    void leave();

private:
    WindowRegistry& windows_;
    SoundService& audio_;
};

// The windows the handle places around itself; null where one is not loaded.
struct HandleGroup {
    GameWindow* board = nullptr;
    GameWindow* status = nullptr;
    GameWindow* die = nullptr;
};
HandleGroup handleGroup(const WindowRegistry& windows);

} // namespace tavrin
