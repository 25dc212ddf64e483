#pragma once

#include "windows/game_window.h"

namespace tavrin {

class MessageBoxes;
class SoundService;

// What the quiz and the target game share: while open, the board takes no throws and the
// window keeps the activation against the game's other windows; played to its end, it shows
// its bonus, hands the points to the game session and closes itself; closed early, it gives
// no bonus.
class MiniGameWindow : public GameWindow {
    Q_OBJECT
public:
    MiniGameWindow(const WindowBasics& basics, layout::WindowDesign design, rules::MiniGame game,
                   SoundService& audio, MessageBoxes& messages);

    void onUnload() override;

protected:
    // Opens the game's two sound effects.
    SoundService& openSounds();
    // Played to its end: the bonus box (with a line of what the round taught, if given), then
    // the points to the game.
    void finish(const rules::MiniGameRound& round, const QString& lesson = {});
    void systemClose() override;

    SoundService& audio_;
    MessageBoxes& messages_;

private:
    rules::MiniGame game_;
};

} // namespace tavrin
