#include "layouts/how_to_play_text.h"
#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

// Not in the original design: the start window's look, as a window of its own with a title
// bar, opened from the game's menu while a game goes on.
WindowDesign howToPlayWindowLayout() {
    WindowDesign w;
    w.name = "howToPlayWindow";
    w.caption = "How to play";
    w.frame = Frame::FixedSingle;
    w.hasTitleBar = true;
    w.start = StartPosition::CenterScreen;
    w.clientWidth = 6300, w.clientHeight = 3705; // the wood picture's own size
    w.background = "picWood";

    ControlDesign title = label({howToPlay::title}, 120, 120, 3000, 375, "How to Play?");
    title.font = font(kComicFace, 12, true, true);
    title.textColor = activeCaption();
    title.transparent = true;

    ControlDesign text = box(ControlKind::TextBox, {howToPlay::text}, -1, 120, 480, 6060, 3105);
    text.caption = howToPlayText();
    text.verticalScrollBar = true;

    w.controls = {title, text};
    return w;
}

} // namespace tavrin::layout
