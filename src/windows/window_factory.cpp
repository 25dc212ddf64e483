#include "windows/window_factory.h"

#include "windows/app_context.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/drag_handle.h"
#include "windows/end_window.h"
#include "windows/game_menu.h"
#include "windows/how_to_play_window.h"
#include "windows/quiz_window.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"

namespace tavrin {
namespace {

WindowBasics basicsOf(AppContext& ctx) {
    return {ctx.session, ctx.clock, ctx.windows, ctx.gameScreen};
}

} // namespace

template <> StartWindow* makeWindow<StartWindow>(AppContext& ctx) {
    return new StartWindow(basicsOf(ctx));
}

// The board and the status strip carry the game's menu.
template <> BoardWindow* makeWindow<BoardWindow>(AppContext& ctx) {
    auto* board =
        new BoardWindow(basicsOf(ctx), ctx.rng, ctx.messages, ctx.playingScreen, ctx.contentDir(),
                        [&ctx](const rules::ContentError& error) { ctx.fatal(error); });
    GameMenu::attachTo(*board, ctx);
    return board;
}

template <> DieWindow* makeWindow<DieWindow>(AppContext& ctx) {
    return new DieWindow(basicsOf(ctx), ctx.rng);
}

template <> StatusStrip* makeWindow<StatusStrip>(AppContext& ctx) {
    auto* strip =
        new StatusStrip(basicsOf(ctx), ctx.log, ctx.messages, ctx.links, ctx.options.language);
    GameMenu::attachTo(*strip, ctx);
    return strip;
}

template <> DragHandle* makeWindow<DragHandle>(AppContext& ctx) {
    return new DragHandle(basicsOf(ctx), ctx.keptSettings);
}

template <> QuizWindow* makeWindow<QuizWindow>(AppContext& ctx) {
    return new QuizWindow(basicsOf(ctx), ctx.audio, ctx.messages, ctx.rng, ctx.log,
                          ctx.contentDir());
}

template <> TargetGameWindow* makeWindow<TargetGameWindow>(AppContext& ctx) {
    return new TargetGameWindow(basicsOf(ctx), ctx.audio, ctx.messages, ctx.rng, ctx.log);
}

template <> EndWindow* makeWindow<EndWindow>(AppContext& ctx) {
    return new EndWindow(basicsOf(ctx), ctx.log, ctx.review, ctx.keptSettings, ctx.links,
                         ctx.contentDir());
}

template <> HowToPlayWindow* makeWindow<HowToPlayWindow>(AppContext& ctx) {
    return new HowToPlayWindow(basicsOf(ctx));
}

} // namespace tavrin
