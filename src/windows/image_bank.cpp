#include "windows/image_bank.h"

#include "art/pictures.h"
#include "controls/image_control.h"
#include "controls/picture_box.h"
#include "layouts/window_layouts.h"
#include "rules/status_digits.h"

namespace tavrin {

ImageBank::ImageBank(AppContext& ctx) : GameWindow(ctx, layout::imageBankLayout()) {}

QPixmap ImageBank::redDigit(int index) const {
    if (index == rules::kLedMinus)
        return picture("RedDigit_minus");
    return pictureBox("redDigits", index).picture();
}

QPixmap ImageBank::dieFace(int face) const {
    return image("dieFaces", face).picture();
}

QPixmap ImageBank::squarePicture(int kind) const {
    return image("squarePictures", kind).picture();
}

} // namespace tavrin
