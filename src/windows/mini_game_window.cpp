#include "windows/mini_game_window.h"

#include "windows/app_context.h"

namespace tavrin {

MiniGameWindow::MiniGameWindow(AppContext& ctx, layout::WindowDesign design, rules::MiniGame game)
    : GameWindow(ctx, std::move(design)), game_(game) {
    setKeepsActivation(true);
}

SoundService& MiniGameWindow::openSounds() {
    ctx.audio.openEffectsOf(game_);
    return ctx.audio;
}

// The points count once the player has seen them: the box comes first.
void MiniGameWindow::finish(const rules::MiniGameRound& round, const QString& lesson) {
    QString text = QString::fromStdString(round.bonusText());
    if (!lesson.isEmpty())
        text += "\n\n" + lesson;
    ctx.messages.show(this, text, "Tavrin", MessageBoxes::Buttons::Ok);
    ctx.session.finishMiniGame(game_, round.score());
    ctx.audio.closeEffectsOf(game_);
    ctx.windows.unloadWindow(*this);
}

// However it went (its end, the close box, the board's end sequence), the board takes throws
// again; the die and the sound devices are left as they are.
void MiniGameWindow::onUnload() {
    ctx.session.leaveMiniGame();
}

void MiniGameWindow::systemClose() {
    ctx.session.closeMiniGameEarly(game_);
    GameWindow::systemClose();
}

} // namespace tavrin
