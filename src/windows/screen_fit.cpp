#include "windows/screen_fit.h"

#include <algorithm>

namespace tavrin {
namespace {

// How far a span [first, last] must move to lie within [areaFirst, areaLast]; its first
// coordinate wins when it cannot fit.
int shiftInto(int first, int last, int areaFirst, int areaLast) {
    if (last > areaLast)
        return std::max(areaLast - last, areaFirst - first);
    return std::max(areaFirst - first, 0);
}

} // namespace

GroupFit fitInside(const std::vector<QRect>& frames, const QRect& area) {
    GroupFit fit;
    if (frames.empty())
        return fit;
    QRect extent;
    for (const QRect& frame : frames)
        extent |= frame;
    const bool fitsAcross = extent.width() <= area.width();
    const bool fitsDown = extent.height() <= area.height();
    const int groupDx =
        fitsAcross ? shiftInto(extent.left(), extent.right(), area.left(), area.right()) : 0;
    const int groupDy =
        fitsDown ? shiftInto(extent.top(), extent.bottom(), area.top(), area.bottom()) : 0;
    for (const QRect& frame : frames) {
        const QRect moved = frame.translated(groupDx, groupDy);
        const int dx =
            fitsAcross ? 0 : shiftInto(moved.left(), moved.right(), area.left(), area.right());
        const int dy =
            fitsDown ? 0 : shiftInto(moved.top(), moved.bottom(), area.top(), area.bottom());
        fit.keptTogether = fit.keptTogether && dx == 0 && dy == 0;
        fit.positions.push_back(moved.topLeft() + QPoint(dx, dy));
    }
    return fit;
}

} // namespace tavrin
