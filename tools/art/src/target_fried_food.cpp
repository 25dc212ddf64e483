// Target "food high in saturated fat": a crumbed fried drumstick on a heap of chips, and a thick
// slice of pork belly with its white layers of fat.

#include "drawings.h"
#include "style.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <iterator>
#include <tuple>

namespace {

const QColor crumb(214, 140, 48);
const QColor bone(250, 242, 226);
const QColor chip(250, 204, 92);
const QColor pork(222, 120, 110);
const QColor fat(255, 246, 236);
const QColor rind(196, 120, 70);
const QColor grease(255, 255, 255, 150);

QBrush lit(const QColor& colour, QPointF from, QPointF to) {
    QLinearGradient brush(from, to);
    brush.setColorAt(0, style::mix(colour, Qt::white, 0.35));
    brush.setColorAt(1, style::mix(colour, Qt::black, 0.25));
    return brush;
}

void outlined(QPainter& painter, const QPainterPath& path, const QBrush& brush) {
    painter.setPen(style::outline(1.0));
    painter.setBrush(brush);
    painter.drawPath(path);
}

// Shiny drops that say "greasy" at a glance.
void drawDrops(QPainter& painter, const QList<QPointF>& at) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(grease);
    for (const QPointF& p : at)
        painter.drawEllipse(p, 1.3, 1.8);
}

void drawChips(QPainter& painter) {
    const QList<std::tuple<qreal, qreal, qreal>> sticks = {
        {6, 40, -28}, {12, 36, -12}, {19, 34, 8}, {26, 36, 22}, {10, 43, -40}, {30, 41, 34}};
    for (auto [x, y, angle] : sticks) {
        painter.save();
        painter.translate(x, y);
        painter.rotate(angle);
        QPainterPath stick;
        stick.addRoundedRect(QRectF(-2.2, -11, 4.4, 18), 1.2, 1.2);
        outlined(painter, stick, lit(chip, QPointF(-2, -11), QPointF(2, 7)));
        painter.restore();
    }
    QPainterPath tray;
    tray.moveTo(2, 40);
    tray.lineTo(36, 40);
    tray.lineTo(33, 49);
    tray.lineTo(5, 49);
    tray.closeSubpath();
    outlined(painter, tray, lit(QColor(210, 40, 40), QPointF(2, 40), QPointF(36, 49)));
    painter.setPen(style::outline(1.2, Qt::white));
    painter.drawLine(QPointF(8, 44.5), QPointF(30, 44.5));
}

void drawDrumstick(QPainter& painter) {
    painter.save();
    painter.translate(21, 17);
    painter.rotate(-25);
    QPainterPath shank;
    shank.addRoundedRect(QRectF(10, -2.5, 13, 5), 2.5, 2.5);
    outlined(painter, shank, bone);
    for (qreal dy : {-3.2, 3.2}) {
        QPainterPath knob;
        knob.addEllipse(QPointF(23.5, dy), 3.4, 3.4);
        outlined(painter, knob, bone);
    }
    const QPainterPath meat = style::smoothClosed(
        {{-16, 0}, {-12, -10}, {-2, -12.5}, {8, -7}, {12, 0}, {8, 7}, {-2, 12.5}, {-12, 10}});
    QRadialGradient crust(QPointF(-6, -5), 18);
    crust.setColorAt(0, style::mix(crumb, Qt::white, 0.35));
    crust.setColorAt(1, crumb.darker(135));
    outlined(painter, meat, crust);
    // The crumbs of the batter, in a slightly darker brown.
    painter.setPen(Qt::NoPen);
    painter.setBrush(crumb.darker(150));
    for (auto [x, y] : {std::pair{-10.0, -3.0},
                        {-5.0, 4.0},
                        {0.0, -6.0},
                        {4.0, 3.0},
                        {-8.0, 6.5},
                        {-2.0, 0.0},
                        {5.0, -2.5},
                        {-12.0, 2.0}})
        painter.drawEllipse(QPointF(x, y), 1.1, 0.8);
    painter.restore();
    drawDrops(painter, {{9, 10}, {17, 7}, {12, 26}});
}

// A slice of pork belly: alternate bands of meat and thick white fat under a brown rind.
void drawPorkBelly(QPainter& painter) {
    const QRectF slab(44, 14, 40, 30);
    QPainterPath outlineShape;
    outlineShape.addRoundedRect(slab, 4, 4);
    painter.save();
    painter.setClipPath(outlineShape);
    const qreal bands[] = {0.0, 0.16, 0.34, 0.5, 0.68, 0.84, 1.0};
    for (int i = 0; i + 1 < int(std::size(bands)); ++i) {
        const QRectF band(slab.left(), slab.top() + bands[i] * slab.height(), slab.width(),
                          (bands[i + 1] - bands[i]) * slab.height() + 0.5);
        const QColor colour = i == 0 ? rind : (i % 2 == 1 ? fat : pork);
        painter.fillRect(band, lit(colour, band.topLeft(), band.bottomRight()));
    }
    painter.restore();
    painter.setPen(style::outline(1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outlineShape);
    // Wavy edges between the layers, as a real slice has.
    painter.setPen(style::outline(0.7, pork.darker(140)));
    for (qreal y : {24.0, 34.0})
        painter.drawPath(
            style::smoothOpen({{45, y}, {55, y - 1.5}, {65, y + 1.2}, {75, y - 1}, {83, y}}));
    drawDrops(painter, {{50, 20}, {62, 30}, {76, 21}, {70, 40}});
}

} // namespace

void drawFriedFood(QPainter& painter) {
    drawChips(painter);
    drawPorkBelly(painter);
    drawDrumstick(painter);
}
