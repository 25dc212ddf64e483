#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

// The quiz window's frame; its controls come with the quiz itself.
WindowSpec frmGame1Layout() {
    WindowSpec w;
    w.name = "frmGame1";
    w.caption = "Game1  -  冠 心 病 問 答 遊 戲";
    w.frame = Frame::FixedSingle;
    w.hasTitleBar = true;
    w.taskbarButton = true;
    w.start = StartPosition::CenterScreen;
    w.clientWidth = 4590, w.clientHeight = 2565;
    w.background = "picWood";
    w.icon = "icoCreature";
    return w;
}

} // namespace tavrin::layout
