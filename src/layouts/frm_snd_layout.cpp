#include "layouts/window_layouts.h"

namespace tavrin::layout {

WindowSpec frmSndLayout() {
    WindowSpec w;
    w.name = "frmSnd";
    w.caption = "Sound: wave + midi";
    w.frame = Frame::Sizable;
    w.hasTitleBar = true;
    w.clientWidth = 4680, w.clientHeight = 3195;
    return w;
}

} // namespace tavrin::layout
