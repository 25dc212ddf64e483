#include "windows/start_window.h"

#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "windows/app_context.h"
#include "windows/board_window.h"

namespace tavrin {

StartWindow::StartWindow(AppContext& ctx) : GameWindow(ctx, layout::startWindowLayout()) {
    connect(&label("startLink"), &LabelControl::clicked, this, &StartWindow::onStartClicked);
}

void StartWindow::onStartClicked() {
    ctx.chooseScreen(screen());
    // Unloaded before the board shows, so the start window can never come back.
    ctx.windows.unloadWindow(*this);
    ctx.windows.show<BoardWindow>();
}

void StartWindow::systemClose() {
    ctx.windows.endAtOnce(0);
}

} // namespace tavrin
