#pragma once

#include <QPixmap>

namespace tavrin::images {

// The pictures the windows swap in play, by index, from the game's artwork.
// Digits 0 to 9, the colon (10) and our LED minus sign (rules::kLedMinus).
QPixmap redDigit(int index);
QPixmap dieFace(int face);       // 1 to 6
QPixmap squarePicture(int kind); // rules::tilePictureIndex

} // namespace tavrin::images
