#include "windows/group_place.h"

#include "layouts/layout.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace tavrin {

bool handleReachableAt(QPoint place) {
    const QRect ball(place + QPoint(layout::kBallLeft, layout::kBallTop),
                     QSize(layout::kBallDiameter, layout::kBallDiameter));
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(ball))
            return true;
    return false;
}

} // namespace tavrin
