#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

namespace {

// The instructions, line for line; the trailing blanks belong to the text.
const char* const kInstructions = "1, Moving the character\r\n"
                                  "     - Click on the green ball on \r\n"
                                  "the bottom right hand side(the \r\n"
                                  "dice)\r\n"
                                  "\r\n"
                                  "2, Moving the window\r\n"
                                  "     - Drag the green ball on the \r\n"
                                  "bottom left hand side\r\n"
                                  "\r\n"
                                  "3, Browsing Info Center\r\n"
                                  "     - Click on the first button in \r\n"
                                  "the status window\r\n"
                                  "\r\n"
                                  "4, Getting help\r\n"
                                  "     - Click on the second \r\n"
                                  "button in the status window\r\n"
                                  "\r\n"
                                  "5, Starting Online www Search \r\n"
                                  "Engine\r\n"
                                  "     - Click on the third button in \r\n"
                                  "the status window\r\n"
                                  "\r\n"
                                  "6, Quitting the game\r\n"
                                  "     - Click on the fourth button \r\n"
                                  "in the status window\r\n";

} // namespace

WindowDesign startWindowLayout() {
    WindowDesign w;
    w.name = "startWindow";
    w.designName = "frmStart";
    w.caption = "Start";
    w.frame = Frame::None;
    w.start = StartPosition::CenterScreen;
    w.clientWidth = 4755, w.clientHeight = 3120;
    w.background = "picWood";

    ControlDesign text =
        box(ControlKind::TextBox, {"instructions", "Text1"}, -1, 2040, 480, 2535, 2055);
    text.caption = kInstructions;
    text.multiLine = true;
    text.verticalScrollBar = true;

    ControlDesign title = label({"title", "Label1"}, 2040, 120, 2295, 375, "How to Play?");
    title.font = font(kComicFace, 12, true, true);
    title.textColor = activeCaption();
    title.transparent = true;

    ControlDesign start = label({"startLink", "Label4"}, 3240, 2640, 1335, 375, "START ->");
    start.font = font(kComicFace, 12, true, true);
    start.textColor = QColor(0xC0, 0xFF, 0xC0);
    start.transparent = true;

    ControlDesign character = image({"character", "Image1"}, -1, 0, 0, 1980, 3060, "picCharacter");
    character.stretch = true;

    w.controls = {text, title, start, character};
    return w;
}

} // namespace tavrin::layout
