#include "windows/playing_screen.h"

#include "sound/sound_service.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/drag_handle.h"
#include "windows/end_window.h"
#include "windows/quiz_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"
#include "windows/window_registry.h"

namespace tavrin {

void PlayingScreen::openCompanions() {
    windows_.show<StatusStrip>();
    windows_.show<DieWindow>();
    windows_.show<DragHandle>();
    audio_.startMusic();
    windows_.get<DragHandle>().placeGroupOnScreen();
}

void PlayingScreen::openMiniGame(rules::MiniGame game) {
    if (game == rules::MiniGame::Quiz)
        windows_.show<QuizWindow>();
    else
        windows_.show<TargetGameWindow>();
}

void PlayingScreen::closeCompanions() {
    windows_.unload<DieWindow>();
    windows_.unload<DragHandle>();
    windows_.unload<QuizWindow>();
    windows_.unload<TargetGameWindow>();
    audio_.stopMusic();
    windows_.unload<StatusStrip>();
}

void PlayingScreen::showEnd() {
    windows_.show<EndWindow>();
}

void PlayingScreen::leave() {
    closeCompanions();
    windows_.discard<BoardWindow>(); // its unloading would run the end sequence
}

HandleGroup handleGroup(const WindowRegistry& windows) {
    return {windows.find<BoardWindow>(), windows.find<StatusStrip>(), windows.find<DieWindow>()};
}

} // namespace tavrin
