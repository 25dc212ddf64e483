#include "windows/playing_screen.h"

#include "windows/app_context.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/drag_handle.h"
#include "windows/end_window.h"
#include "windows/quiz_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"

namespace tavrin {

void openCompanionWindows(AppContext& ctx) {
    ctx.windows.show<StatusStrip>();
    ctx.windows.show<DieWindow>();
    ctx.windows.show<DragHandle>();
    ctx.audio.startMusic();
    ctx.windows.get<DragHandle>().placeGroupOnScreen();
}

void openMiniGameWindow(AppContext& ctx, rules::MiniGame game) {
    if (game == rules::MiniGame::Quiz)
        ctx.windows.show<QuizWindow>();
    else
        ctx.windows.show<TargetGameWindow>();
}

void closeCompanionWindows(AppContext& ctx) {
    ctx.windows.unload<DieWindow>();
    ctx.windows.unload<DragHandle>();
    ctx.windows.unload<QuizWindow>();
    ctx.windows.unload<TargetGameWindow>();
    ctx.audio.stopMusic();
    ctx.windows.unload<StatusStrip>();
}

void showEndWindow(AppContext& ctx) {
    ctx.windows.show<EndWindow>();
}

void leavePlayingScreen(AppContext& ctx) {
    closeCompanionWindows(ctx);
    ctx.windows.discard<BoardWindow>(); // its unloading would run the end sequence
}

HandleGroup handleGroup(const WindowRegistry& windows) {
    return {windows.find<BoardWindow>(), windows.find<StatusStrip>(), windows.find<DieWindow>()};
}

} // namespace tavrin
