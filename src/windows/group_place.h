#pragma once

#include <QPoint>

namespace tavrin {

// Whether the handle, put at `place` (screen pixels), shows its whole ball on one screen's
// usable area, so that the player can reach it to drag the group.
bool handleReachableAt(QPoint place);

} // namespace tavrin
