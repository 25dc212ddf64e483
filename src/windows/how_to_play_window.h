#pragma once

#include "windows/game_window.h"

namespace tavrin {

// The start window's instructions again, in a window of their own that the player opens from
// the game's menu and closes with its close box; the game goes on meanwhile.
class HowToPlayWindow : public GameWindow {
    Q_OBJECT
public:
    explicit HowToPlayWindow(const WindowBasics& basics);
};

} // namespace tavrin
