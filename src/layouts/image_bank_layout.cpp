#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

WindowDesign imageBankLayout() {
    WindowDesign w;
    w.name = "imageBank";
    w.designName = "frmGra";
    w.caption = "Graphics";
    w.frame = Frame::Sizable;
    w.hasTitleBar = true;
    w.clientWidth = 5655, w.clientHeight = 5040;

    for (int i = 0; i <= 9; ++i) {
        ControlDesign digit =
            pictureBox({"redDigits", "RedDigit"}, i, 120 + 240 * i, 240, 270, 345);
        digit.picture = "RedDigit_" + QString::number(i);
        w.controls.push_back(digit);
    }
    ControlDesign colon = pictureBox({"redDigits", "RedDigit"}, 10, 2520, 240, 165, 345);
    colon.picture = "RedDigit_10";
    w.controls.push_back(colon);
    for (int i = 3; i >= 0; --i)
        w.controls.push_back(image({"squarePictures", "imgTiles"}, i, 240 + 960 * i, 2640, 840, 750,
                                   "imgTiles_" + QString::number(i)));
    for (int i = 6; i >= 1; --i)
        w.controls.push_back(image({"dieFaces", "DiceGra"}, i, i == 6 ? 4680 : 960 * (i - 1), 840,
                                   1050, 1500, "DiceGra_" + QString::number(i)));
    return w;
}

} // namespace tavrin::layout
