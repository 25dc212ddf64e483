#include "windows/start_window.h"

#include "windows/app_context.h"
#include "windows/board_window.h"
#include "controls/label_control.h"
#include "layouts/window_layouts.h"

namespace tavrin {

StartWindow::StartWindow(AppContext& ctx) : GameWindow(ctx, layout::startWindowLayout()) {
    connect(&label("Label4"), &LabelControl::Click, this, &StartWindow::Label4_Click);
}

void StartWindow::Label4_Click() {
    // Unloaded before the board shows, so the start window can never come back.
    ctx.windows.unloadForm(*this);
    ctx.windows.show<BoardWindow>();
}

void StartWindow::systemClose() {
    ctx.windows.endAtOnce(0);
}

} // namespace tavrin
