#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

namespace {

ControlDesign device(const ControlNames& name, int top) {
    return box(ControlKind::MultimediaDevice, name, -1, 120, top, 3540, 330);
}

} // namespace

WindowDesign soundHolderLayout() {
    WindowDesign w;
    w.name = "soundHolder";
    w.designName = "frmSnd";
    w.caption = "Sound: wave + midi";
    w.frame = Frame::Sizable;
    w.hasTitleBar = true;
    w.clientWidth = 4680, w.clientHeight = 3195;
    // Front to back; the tab order runs the other way, from hitSound at the top.
    w.controls = {
        device({"rightSound", "rightSound"}, 2040), device({"wrongSound", "wrongSound"}, 1560),
        device({"music", "music"}, 1080),           device({"missSound", "missSound"}, 600),
        device({"hitSound", "hitSound"}, 120),
    };
    return w;
}

} // namespace tavrin::layout
