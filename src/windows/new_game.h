#pragma once

class QWidget;

namespace tavrin {

class AppContext;

// "New game" in the menu: asks first; on Yes the game in play is left without its end window,
// the log says `new`, and the start window shows again, whose START begins a fresh game.
void askForNewGame(AppContext& ctx, QWidget* parent);
void startNewGame(AppContext& ctx);

} // namespace tavrin
