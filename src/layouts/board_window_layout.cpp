#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

const TwipPoint kTilePositions[38] = {
    {120, 240},   {120, 1080},  {120, 1920},  {120, 2760},  {120, 3600},  {120, 4440},
    {1080, 4440}, {2040, 4440}, {3000, 4440}, {3960, 4440}, {4920, 4440}, {5880, 4440},
    {5880, 3600}, {5880, 2760}, {5880, 1920}, {5880, 1080}, {5880, 240},  {4920, 240},
    {3960, 240},  {3000, 240},  {2040, 240},  {1200, 240},  {1200, 1080}, {1200, 1920},
    {1200, 2760}, {1200, 3480}, {2160, 3480}, {3120, 3480}, {3960, 3480}, {4800, 3480},
    {4800, 2760}, {4800, 2040}, {4800, 1200}, {3960, 1200}, {3120, 1200}, {2280, 1200},
    {2280, 1920}, {2280, 2640},
};

WindowDesign boardWindowLayout() {
    WindowDesign w;
    w.name = "boardWindow";
    w.designName = "frmMap";
    w.frame = Frame::FixedDialog;
    w.start = StartPosition::Manual;
    w.left = 1530, w.top = 195;
    w.clientWidth = 6780, w.clientHeight = 5205;
    w.background = "picOldMap";

    ControlDesign character =
        image({board::character, "imgChar"}, -1, 720, 480, 720, 1035, "picCharacter");
    character.stretch = true;
    w.controls.push_back(character);
    // tiles(37) is the frontmost square, tiles(0) the rearmost.
    for (int i = 37; i >= 0; --i) {
        ControlDesign tile = image({board::squares, "tiles"}, i, kTilePositions[i].left,
                                   kTilePositions[i].top, 735, 615);
        tile.border = Border::Sunken;
        w.controls.push_back(tile);
    }
    ControlDesign heart = image({board::heart, "Image1"}, -1, 3360, 1920, 1065, 1515, "picHeart");
    heart.stretch = true;
    heart.tooltip = QT_TRANSLATE_NOOP("boardWindow", "  加油！！");
    w.controls.push_back(heart);
    return w;
}

} // namespace tavrin::layout
