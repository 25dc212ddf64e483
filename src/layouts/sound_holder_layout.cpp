#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

namespace {

ControlDesign device(const QString& name, int top) {
    return box(ControlKind::MultimediaDevice, name, -1, 120, top, 3540, 330);
}

} // namespace

WindowDesign soundHolderLayout() {
    WindowDesign w;
    w.name = "frmSnd";
    w.caption = "Sound: wave + midi";
    w.frame = Frame::Sizable;
    w.hasTitleBar = true;
    w.clientWidth = 4680, w.clientHeight = 3195;
    // Front to back; the tab order runs the other way, from mmcHit3 at the top.
    w.controls = {
        device("mmcYeah", 2040), device("mmcBoo", 1560), device("mmcPSamy", 1080),
        device("mmcBlip2", 600), device("mmcHit3", 120),
    };
    return w;
}

} // namespace tavrin::layout
