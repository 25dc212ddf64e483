#include "windows/how_to_play_window.h"

#include "controls/multi_line_text_box.h"
#include "layouts/window_layouts.h"
#include "windows/key_list.h"

namespace tavrin {

HowToPlayWindow::HowToPlayWindow(const WindowBasics& basics)
    : GameWindow(basics, layout::howToPlayWindowLayout()) {
    MultiLineTextBox& text = bind(layout::howToPlay::text);
    text.setReadOnly(true); // help to read, not a note pad
    text.appendPlainText("\n" + keyListText());
    text.moveCursor(QTextCursor::Start);
}

} // namespace tavrin
