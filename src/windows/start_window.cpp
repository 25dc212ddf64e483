#include "windows/start_window.h"

#include "controls/accessible.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "controls/multi_line_text_box.h"
#include "layouts/window_layouts.h"
#include "windows/app_context.h"
#include "windows/board_window.h"
#include "windows/keyboard_focus.h"

namespace tavrin {

StartWindow::StartWindow(AppContext& ctx)
    : GameWindow(ctx, layout::startWindowLayout()), startLink_(bind(layout::start::startLink)) {
    connect(&startLink_, &LabelControl::clicked, this, &StartWindow::onStartClicked);
    MultiLineTextBox& instructions = bind(layout::start::instructions);
    accessible::setRole(startLink_, accessible::Role::Button);
    instructions.setAccessibleName(bind(layout::start::title).caption());
    accessible::hide(bind(layout::start::character));
    takeFocusFirst(startLink_);
    // The instructions stay editable, but Tab leaves them instead of typing a tab.
    instructions.setTabChangesFocus(true);
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
