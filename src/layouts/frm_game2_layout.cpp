#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

// The target window's frame; its controls come with the target game itself.
WindowSpec frmGame2Layout() {
    WindowSpec w;
    w.name = "frmGame2";
    w.caption = "Game2  -  冠 心 病 射 擊 遊 戲";
    w.frame = Frame::FixedSingle;
    w.hasTitleBar = true;
    w.start = StartPosition::CenterScreen;
    w.clientWidth = 5190, w.clientHeight = 3315;
    w.background = "picWood";
    w.icon = "icoCreature";
    return w;
}

} // namespace tavrin::layout
