#include "windows/how_to_play_window.h"

#include "layouts/window_layouts.h"
#include "windows/key_list.h"

#include <QPlainTextEdit>

namespace tavrin {

HowToPlayWindow::HowToPlayWindow(AppContext& ctx)
    : GameWindow(ctx, layout::howToPlayWindowLayout()) {
    QPlainTextEdit& text = multiLineText("howToPlay");
    text.setReadOnly(true); // help to read, not a note pad
    text.appendPlainText("\n" + keyListText());
    text.moveCursor(QTextCursor::Start);
}

} // namespace tavrin
