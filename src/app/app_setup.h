#pragma once

class QApplication;

namespace tavrin {

// The look every window shares: the designed font faces mapped to installed free fonts of the
// same kind, and the default dialog font.
void setUpAppearance(QApplication& app);

} // namespace tavrin
