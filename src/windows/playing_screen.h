#pragma once

#include "rules/game_session.h"

namespace tavrin {

class AppContext;
class GameWindow;
class WindowRegistry;

// The windows that play beside the board: the status strip, the die and the handle around it,
// and the mini-game a throw opens. The board opens and closes them through these, so that it
// knows none of them, and the handle finds its group here.

// Shows the strip, the die and the handle, and places the group whole on the game's screen.
void openCompanionWindows(AppContext& ctx);
void openMiniGameWindow(AppContext& ctx, rules::MiniGame game);
// Unloads every window of the playing screen but the board.
void closeCompanionWindows(AppContext& ctx);
void showEndWindow(AppContext& ctx);
// Takes the whole playing screen down, board and mini-game included, without the end window:
// the game is left unfinished.
void leavePlayingScreen(AppContext& ctx);

// The windows the handle places around itself; null where one is not loaded.
struct HandleGroup {
    GameWindow* board = nullptr;
    GameWindow* status = nullptr;
    GameWindow* die = nullptr;
};
HandleGroup handleGroup(const WindowRegistry& windows);

} // namespace tavrin
