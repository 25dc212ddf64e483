#include "windows/image_bank.h"

#include "art/pictures.h"
#include "controls/image_control.h"
#include "controls/picture_box.h"
#include "layouts/window_layouts.h"
#include "rules/status_digits.h"

namespace tavrin {

ImageBank::ImageBank(AppContext& ctx) : GameWindow(ctx, layout::imageBankLayout()) {}

QPixmap ImageBank::RedDigit(int index) const {
    if (index == rules::kLedMinus)
        return picture("RedDigit_minus");
    return pictureBox("RedDigit", index).Picture();
}

QPixmap ImageBank::DiceGra(int face) const {
    return image("DiceGra", face).Picture();
}

QPixmap ImageBank::imgTiles(int kind) const {
    return image("imgTiles", kind).Picture();
}

} // namespace tavrin
