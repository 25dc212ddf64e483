#include "windows/new_game.h"

#include "windows/app_context.h"
#include "windows/board_window.h"
#include "windows/end_window.h"
#include "windows/start_window.h"

#include <QCoreApplication>

namespace tavrin {

void askForNewGame(AppContext& ctx, QWidget* parent) {
    const QString question = QCoreApplication::translate(
        "tavrin::NewGame", " * * * * * 你真的要開始新遊戲嗎? * * * * * ");
    if (ctx.messages.show(parent, question, "Tavrin", MessageBoxes::Buttons::YesNo) ==
        MessageBoxes::Answer::Yes)
        startNewGame(ctx);
}

void startNewGame(AppContext& ctx) {
    // A game that ended while the question was open keeps its end window.
    if (!ctx.windows.isLoaded<BoardWindow>() || ctx.windows.isLoaded<EndWindow>())
        return;
    ctx.log.write("new");
    ctx.playingScreen.leave();
    ctx.review.clear();
    ctx.windows.show<StartWindow>();
}

} // namespace tavrin
