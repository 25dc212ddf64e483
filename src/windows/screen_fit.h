#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

namespace tavrin {

// Where a group of windows goes so that each is whole inside an area (a screen's available
// area), moved as little as needed. Along each axis the group moves as one if its extent fits;
// if not, each window moves by itself into the area. A window larger than the area keeps its
// left or top edge inside.
struct GroupFit {
    std::vector<QPoint> positions; // the frames' new top-left corners, in the given order
    bool keptTogether = true;      // false: windows moved apart and may now cover each other
};

GroupFit fitInside(const std::vector<QRect>& frames, const QRect& area);

} // namespace tavrin
