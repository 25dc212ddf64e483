// The glossy green sphere behind the die and the handle. Both windows are cut to the circle of
// radius 64 around (66, 65), so the sphere reaches a little beyond it: no grey at the rim.

#include "drawings.h"
#include "style.h"

#include <QRadialGradient>

void drawGreenBall(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, 132, 131), QColor(128, 128, 128));
    const QPointF centre(66, 65);
    const qreal radius = 65.6;

    QRadialGradient body(centre, radius, QPointF(42, 38));
    body.setColorAt(0.0, QColor(196, 255, 150));
    body.setColorAt(0.25, QColor(96, 214, 70));
    body.setColorAt(0.65, QColor(34, 150, 36));
    body.setColorAt(0.92, QColor(12, 88, 22));
    body.setColorAt(1.0, QColor(8, 64, 16));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);

    // Light bounced back from below gives the lower right edge a soft glow.
    QRadialGradient bounce(QPointF(98, 100), 42);
    bounce.setColorAt(0, QColor(140, 240, 110, 110));
    bounce.setColorAt(1, QColor(140, 240, 110, 0));
    painter.setBrush(bounce);
    painter.drawEllipse(centre, radius, radius);

    style::sheen(painter, QRectF(22, 16, 44, 30), 0.85);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(QRectF(33, 23, 15, 10));
}
