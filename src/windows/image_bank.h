#pragma once

#include "windows/game_window.h"

namespace tavrin {

// The image bank: a window never shown that holds the LED digits, the die faces and the
// square pictures; other windows copy pictures out of it by array and index.
class ImageBank : public GameWindow {
    Q_OBJECT
public:
    explicit ImageBank(AppContext& ctx);

    // Digits 0 to 9, the colon (10) and our LED minus sign (rules::kLedMinus).
    QPixmap redDigit(int index) const;
    QPixmap dieFace(int face) const;
    QPixmap squarePicture(int kind) const;
};

} // namespace tavrin
