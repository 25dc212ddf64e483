// The board squares: a glossy heart overlaid with a Celtic knot (a trefoil woven through a
// ring). The colours tell the square kinds apart at a glance.

#include "drawings.h"
#include "knot.h"
#include "style.h"

#include <QRadialGradient>
#include <QTransform>
#include <array>
#include <cmath>

namespace {

struct TileColours {
    QColor heart;
    QColor trefoil;
    QColor ring;
};

const std::array<TileColours, 4> kinds{{
    {QColor(222, 34, 150), QColor(240, 194, 60), QColor(240, 194, 60)},   // points added
    {QColor(120, 186, 240), QColor(176, 178, 186), QColor(236, 190, 64)}, // points taken
    {QColor(226, 230, 238), QColor(156, 140, 74), QColor(156, 140, 74)},  // plain
    {QColor(56, 178, 72), QColor(40, 92, 220), QColor(40, 92, 220)},      // mini-game
}};

const QPointF knotCentre(28, 23.5);

// The board shows each picture centred in a square box 50 pixels wide: the heart keeps to the
// middle 50 of the 56 columns, outline included, and leaves three transparent ones each side.
constexpr qreal kHeartWidthScale = 0.9;

QPainterPath heartShape() {
    QPainterPath heart;
    heart.moveTo(28, 11);
    heart.cubicTo(24, 2.5, 13, 0.5, 6, 5);
    heart.cubicTo(-0.5, 10, 0.2, 22, 6, 29.5);
    heart.cubicTo(12, 37.5, 22, 42, 28, 49);
    heart.cubicTo(34, 42, 44, 37.5, 50, 29.5);
    heart.cubicTo(55.8, 22, 56.5, 10, 50, 5);
    heart.cubicTo(43, 0.5, 32, 2.5, 28, 11);
    heart.closeSubpath();
    return QTransform::fromTranslate(28, 0).scale(kHeartWidthScale, 1).translate(-28, 0).map(heart);
}

void drawHeart(QPainter& painter, const QColor& colour) {
    QRadialGradient body(QPointF(28, 22), 30, QPointF(17, 11));
    body.setColorAt(0, style::mix(colour, Qt::white, 0.55));
    body.setColorAt(0.45, colour);
    body.setColorAt(1, style::mix(colour, Qt::black, 0.45));
    painter.setPen(style::outline(1.1));
    painter.setBrush(body);
    painter.drawPath(heartShape());
    style::sheen(painter, QRectF(10, 4.5, 14, 10), 0.75);
}

// Narrow trefoil lobes, like a triquetra, pointing down into the heart's tip and up into its two
// bulges.
QList<QPointF> trefoil(qreal size) {
    QList<QPointF> points;
    for (int i = 0; i < 360; ++i) {
        const qreal t = 2 * M_PI * i / 360;
        const qreal x = std::sin(t) + 1.3 * std::sin(2 * t);
        const qreal y = std::cos(t) - 1.3 * std::cos(2 * t);
        points << knotCentre + QPointF(x, -y + 0.3) * size;
    }
    return points;
}

QList<QPointF> ring(qreal radius) {
    QList<QPointF> points;
    for (int i = 0; i < 240; ++i) {
        const qreal t = 2 * M_PI * (i + 0.5) / 240;
        points << knotCentre + QPointF(std::cos(t), std::sin(t)) * radius;
    }
    return points;
}

} // namespace

void drawHeartTile(QPainter& painter, int kind) {
    const TileColours& colours = kinds.at(kind);
    drawHeart(painter, colours.heart);
    const QColor trefoilEdge = style::mix(colours.trefoil, style::ink, 0.7);
    const QColor ringEdge = style::mix(colours.ring, style::ink, 0.7);
    drawInterlace(
        painter,
        {{trefoil(7.2), colours.trefoil, trefoilEdge}, {ring(12.5), colours.ring, ringEdge}}, 3.6);
}
