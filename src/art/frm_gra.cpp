#include "art/frm_gra.h"

#include "art/pictures.h"
#include "controls/image_control.h"
#include "controls/picture_box.h"
#include "layouts/window_layouts.h"
#include "windows/status_digits.h"

namespace tavrin {

FrmGra::FrmGra(AppContext& ctx) : Form(ctx, layout::frmGraLayout()) {}

QPixmap FrmGra::RedDigit(int index) const {
    if (index == kLedMinus)
        return picture("RedDigit_minus");
    return pictureBox("RedDigit", index).Picture();
}

QPixmap FrmGra::DiceGra(int face) const {
    return image("DiceGra", face).Picture();
}

QPixmap FrmGra::imgTiles(int kind) const {
    return image("imgTiles", kind).Picture();
}

} // namespace tavrin
