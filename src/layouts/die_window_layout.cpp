#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

WindowDesign dieWindowLayout() {
    WindowDesign w;
    w.name = "dieWindow";
    w.designName = "frmDice";
    w.frame = Frame::FixedSingle;
    w.hasTitleBar = true; // cut away with the rest of the window outside the ball
    w.shape = Shape::Ball;
    w.start = StartPosition::Manual;
    w.left = 7335, w.top = 5250;
    w.clientWidth = 2670, w.clientHeight = 2055;
    w.background = "picGreenBall";

    ControlDesign dice = image({die::face, "imgDice"}, -1, 480, 240, 1050, 1500);
    dice.tooltip = QT_TRANSLATE_NOOP("dieWindow", "擲骰子(Click here to throw the dice)");

    w.controls = {dice};
    w.timers = {{die::turnTimer, "Timer1", 150, false}};
    return w;
}

} // namespace tavrin::layout
