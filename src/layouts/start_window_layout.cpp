#include "layouts/how_to_play_text.h"
#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

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
        box(ControlKind::TextBox, {start::instructions, "Text1"}, -1, 2040, 480, 2535, 2055);
    text.caption = instructionsText();
    text.verticalScrollBar = true;

    ControlDesign title = label({start::title, "Label1"}, 2040, 120, 2295, 375, "How to Play?");
    title.font = font(kComicFace, 12, true, true);
    title.textColor = activeCaption();
    title.transparent = true;

    ControlDesign start = label({start::startLink, "Label4"}, 3240, 2640, 1335, 375, "START ->");
    start.font = font(kComicFace, 12, true, true);
    start.textColor = QColor(0xC0, 0xFF, 0xC0);
    start.transparent = true;

    ControlDesign character =
        image({start::character, "Image1"}, -1, 0, 0, 1980, 3060, "picCharacter");
    character.stretch = true;

    w.controls = {text, title, start, character};
    return w;
}

} // namespace tavrin::layout
