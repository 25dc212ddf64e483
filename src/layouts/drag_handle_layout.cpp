#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

WindowDesign dragHandleLayout() {
    WindowDesign w;
    w.name = "dragHandle";
    w.designName = "frmFace";
    w.caption = "Tavrin";
    w.frame = Frame::FixedSingle;
    w.hasTitleBar = true; // cut away: only the ball shows
    w.taskbarButton = true;
    w.shape = Shape::Ball;
    w.start = StartPosition::Manual;
    w.left = 45, w.top = 5235;
    w.clientWidth = 2670, w.clientHeight = 2430;
    w.background = "picGreenBall";
    w.icon = "icoCreature";

    ControlDesign handle = image({handle::handle, "Image1"}, -1, 0, 0, 1980, 3060, "picCharacter");
    handle.stretch = true;
    handle.border = Border::Sunken;
    handle.tooltip =
        QT_TRANSLATE_NOOP("dragHandle", "要移動整個視窗,拖曳這兒 (Drag here to move the window)");
    w.controls = {handle};
    return w;
}

} // namespace tavrin::layout
