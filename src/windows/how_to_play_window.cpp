#include "windows/how_to_play_window.h"

#include "layouts/window_layouts.h"

#include <QPlainTextEdit>

namespace tavrin {

HowToPlayWindow::HowToPlayWindow(AppContext& ctx)
    : GameWindow(ctx, layout::howToPlayWindowLayout()) {
    multiLineText("howToPlay").setReadOnly(true); // help to read, not a note pad
}

} // namespace tavrin
