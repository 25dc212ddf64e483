// Target "lack of exercise": a round-bellied man slumped in a deep armchair, remote in hand.

#include "drawings.h"
#include "style.h"

#include <QLinearGradient>

namespace {

const QColor upholstery(196, 70, 60);
const QColor chairWood(120, 70, 40);
const QColor skin(255, 214, 184);
const QColor vest(250, 250, 244);
const QColor trousers(80, 96, 130);
const QColor slipper(120, 80, 60);

QBrush lit(const QColor& colour, QPointF from, QPointF to) {
    QLinearGradient brush(from, to);
    brush.setColorAt(0, style::mix(colour, Qt::white, 0.4));
    brush.setColorAt(1, style::mix(colour, Qt::black, 0.25));
    return brush;
}

void outlined(QPainter& painter, const QPainterPath& path, const QBrush& brush) {
    painter.setPen(style::outline(1.0));
    painter.setBrush(brush);
    painter.drawPath(path);
}

void drawChairBack(QPainter& painter) {
    outlined(painter,
             style::smoothClosed({{8, 36}, {7, 12}, {14, 3}, {31, 1}, {48, 3}, {55, 12}, {54, 36}}),
             lit(upholstery, QPointF(8, 0), QPointF(54, 36)));
    painter.setPen(style::outline(0.8, upholstery.darker(150)));
    for (qreal x : {20.0, 31.0, 42.0})
        painter.drawLine(QPointF(x, 6), QPointF(x, 30));
    outlined(painter, style::smoothClosed({{9, 38}, {31, 34}, {53, 38}, {54, 46}, {8, 46}}),
             lit(upholstery, QPointF(8, 34), QPointF(54, 46)));
}

void drawArmrests(QPainter& painter) {
    for (qreal x : {1.5, 48.5}) {
        QPainterPath rest;
        rest.addRoundedRect(QRectF(x, 24, 13, 23), 5, 5);
        outlined(painter, rest, lit(upholstery, QPointF(x, 24), QPointF(x + 13, 47)));
        painter.setPen(style::outline(1.0));
        painter.setBrush(style::mix(upholstery, Qt::white, 0.3));
        painter.drawEllipse(QRectF(x + 0.5, 22, 12, 7));
    }
    painter.setBrush(chairWood);
    painter.drawRect(QRectF(4, 47, 4, 6));
    painter.drawRect(QRectF(55, 47, 4, 6));
}

void drawMan(QPainter& painter) {
    // Legs stretched out, slippers apart.
    for (auto [hip, foot] :
         {std::pair{QPointF(25, 42), QPointF(20, 49)}, {QPointF(37, 42), QPointF(43, 49)}}) {
        painter.setPen(style::outline(8.4));
        painter.drawLine(hip, foot);
        painter.setPen(style::outline(6.4, trousers));
        painter.drawLine(hip, foot);
        painter.setPen(style::outline(0.9));
        painter.setBrush(slipper);
        painter.drawEllipse(foot + QPointF(foot.x() < 31 ? -2 : 2, 2), 5, 2.8);
    }
    // The big round belly in a white vest, sunk into the seat.
    outlined(painter,
             style::smoothClosed({{20, 22},
                                  {31, 20},
                                  {42, 22},
                                  {47, 31},
                                  {48, 40},
                                  {40, 46},
                                  {22, 46},
                                  {14, 40},
                                  {15, 31}}),
             lit(vest, QPointF(14, 18), QPointF(48, 46)));
    painter.setPen(style::outline(0.9));
    painter.drawArc(QRectF(29.5, 33, 3, 2.4), 200 * 16, 140 * 16); // belly button
    // Arms resting on the belly; one hand holds the remote control.
    painter.setPen(style::outline(5.2));
    painter.drawLine(QPointF(17, 27), QPointF(24, 37));
    painter.drawLine(QPointF(45, 27), QPointF(38, 37));
    painter.setPen(style::outline(3.4, skin));
    painter.drawLine(QPointF(17, 27), QPointF(24, 37));
    painter.drawLine(QPointF(45, 27), QPointF(38, 37));
    painter.setPen(style::outline(0.8));
    painter.setBrush(QColor(50, 50, 60));
    painter.drawRoundedRect(QRectF(34, 34, 9, 4), 1, 1);
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(24.5, 37.5), 2.6, 2.4);
    painter.drawEllipse(QPointF(37.5, 37.5), 2.6, 2.4);
}

void drawHead(QPainter& painter) {
    painter.save();
    painter.translate(29, 14);
    painter.rotate(-14); // slumped to one side
    painter.setPen(style::outline(1.0));
    painter.setBrush(lit(skin, QPointF(-8, -8), QPointF(8, 8)));
    painter.drawEllipse(QPointF(0, 0), 8.6, 8.2);
    // A fringe of hair round a bald crown, drowsy half-shut eyes and a sigh.
    painter.setBrush(QColor(90, 70, 60));
    painter.drawPath(style::smoothClosed({{-8.6, 1}, {-8, -5}, {-6, -2}}));
    painter.drawPath(style::smoothClosed({{8.6, 1}, {8, -5}, {6, -2}}));
    painter.setPen(style::outline(1.0));
    painter.drawLine(QPointF(-5, -0.5), QPointF(-1.5, -0.5));
    painter.drawLine(QPointF(1.5, -0.5), QPointF(5, -0.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::ink);
    painter.drawChord(QRectF(-4.6, -1.5, 3, 3), 180 * 16, 180 * 16);
    painter.drawChord(QRectF(1.9, -1.5, 3, 3), 180 * 16, 180 * 16);
    painter.setPen(style::outline(0.9));
    painter.setBrush(QColor(170, 70, 70));
    painter.drawEllipse(QPointF(0.5, 5), 1.8, 1.2);
    painter.restore();
}

} // namespace

void drawArmchair(QPainter& painter) {
    drawChairBack(painter);
    drawMan(painter);
    drawArmrests(painter);
    drawHead(painter);
}
