#include "windows/start_window.h"

#include "controls/accessible.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "controls/multi_line_text_box.h"
#include "layouts/window_layouts.h"
#include "windows/board_window.h"
#include "windows/game_screen.h"
#include "windows/keyboard_focus.h"
#include "windows/window_registry.h"

namespace tavrin {

StartWindow::StartWindow(const WindowBasics& basics)
    : GameWindow(basics, layout::startWindowLayout()), startLink_(bind(layout::start::startLink)) {
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
    gameScreen().choose(screen());
    // Unloaded before the board shows, so the start window can never come back.
    windows().unloadWindow(*this);
    windows().show<BoardWindow>();
}

void StartWindow::systemClose() {
    windows().endAtOnce(0);
}

} // namespace tavrin
