#include "windows/mini_game_window.h"

#include "platform/message_boxes.h"
#include "sound/sound_service.h"
#include "windows/window_registry.h"

namespace tavrin {

MiniGameWindow::MiniGameWindow(const WindowBasics& basics, layout::WindowDesign design,
                               rules::MiniGame game, SoundService& sound, MessageBoxes& boxes)
    : GameWindow(basics, std::move(design)), audio_(sound), messages_(boxes), game_(game) {
    setKeepsActivation(true);
}

SoundService& MiniGameWindow::openSounds() {
    audio_.openEffectsOf(game_);
    return audio_;
}

// The points count once the player has seen them: the box comes first.
void MiniGameWindow::finish(const rules::MiniGameRound& round, const QString& lesson) {
    QString text = QString::fromStdString(round.bonusText());
    if (!lesson.isEmpty())
        text += "\n\n" + lesson;
    messages_.show(this, text, "Tavrin", MessageBoxes::Buttons::Ok);
    session().finishMiniGame(game_, round.score());
    audio_.closeEffectsOf(game_);
    windows().unloadWindow(*this);
}

// However it went (its end, the close box, the board's end sequence), the board takes throws
// again; the die and the sound devices are left as they are.
void MiniGameWindow::onUnload() {
    session().leaveMiniGame();
}

void MiniGameWindow::systemClose() {
    session().closeMiniGameEarly(game_);
    GameWindow::systemClose();
}

} // namespace tavrin
