#include "windows/image_bank.h"

#include "art/pictures.h"
#include "rules/status_digits.h"

namespace tavrin::images {

QPixmap redDigit(int index) {
    if (index == rules::kLedMinus)
        return picture("RedDigit_minus");
    return picture("RedDigit_" + QString::number(index));
}

QPixmap dieFace(int face) {
    return picture("DiceGra_" + QString::number(face));
}

QPixmap squarePicture(int kind) {
    return picture("imgTiles_" + QString::number(kind));
}

} // namespace tavrin::images
