// Target "avoid foods with too much fat and cholesterol": a hand raised to say no, held up in
// front of a heap of steak, sausages and cheese.

#include "drawings.h"
#include "style.h"

#include <QLinearGradient>

namespace {

const QColor skin(255, 218, 190);
const QColor skinShade(232, 170, 140);
const QColor sleeve(70, 120, 200);
const QColor meat(200, 64, 56);
const QColor fat(255, 240, 224);
const QColor sausage(196, 96, 60);
const QColor cheese(255, 206, 70);

void outlined(QPainter& painter, const QPainterPath& path, const QBrush& brush) {
    painter.setPen(style::outline(1.0));
    painter.setBrush(brush);
    painter.drawPath(path);
}

QBrush lit(const QColor& colour, QPointF from, QPointF to, const QColor& shade = QColor(0, 0, 0)) {
    QLinearGradient brush(from, to);
    brush.setColorAt(0, style::mix(colour, Qt::white, 0.4));
    brush.setColorAt(1, style::mix(colour, shade, shade == QColor(0, 0, 0) ? 0.25 : 0.8));
    return brush;
}

void drawSausages(QPainter& painter) {
    for (auto [x, y, angle] : {std::tuple{22.0, 34.0, -18.0}, {58.0, 30.0, 14.0}}) {
        painter.save();
        painter.translate(x, y);
        painter.rotate(angle);
        QPainterPath link;
        link.addRoundedRect(QRectF(-16, -5, 32, 10), 5, 5);
        outlined(painter, link, lit(sausage, QPointF(0, -5), QPointF(0, 5)));
        painter.setPen(style::outline(1.2, style::withAlpha(Qt::white, 170)));
        painter.drawLine(QPointF(-11, -2.5), QPointF(9, -2.5));
        painter.restore();
    }
}

void drawCheese(QPainter& painter) {
    QPainterPath wedge;
    wedge.moveTo(3, 50);
    wedge.lineTo(30, 40);
    wedge.lineTo(32, 60);
    wedge.lineTo(5, 63);
    wedge.closeSubpath();
    outlined(painter, wedge, lit(cheese, QPointF(3, 40), QPointF(30, 63)));
    QPainterPath top;
    top.moveTo(3, 50);
    top.lineTo(30, 40);
    top.lineTo(32, 44);
    top.lineTo(6, 53.5);
    top.closeSubpath();
    outlined(painter, top, style::mix(cheese, Qt::white, 0.45));
    painter.setPen(style::outline(0.7, cheese.darker(150)));
    painter.setBrush(cheese.darker(125));
    for (auto [x, y, r] : {std::tuple{12.0, 57.0, 2.4}, {22.0, 52.0, 1.8}, {25.0, 58.5, 1.4}})
        painter.drawEllipse(QPointF(x, y), r, r);
}

void drawSteak(QPainter& painter) {
    const QPainterPath steak =
        style::smoothClosed({{50, 44}, {66, 38}, {82, 42}, {83, 54}, {74, 63}, {58, 63}, {48, 55}});
    outlined(painter, steak, fat);
    QPainterPath lean = style::smoothClosed(
        {{54, 46}, {66, 41.5}, {78, 44.5}, {79, 53}, {72, 59.5}, {59, 59.5}, {52, 54}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(lit(meat, QPointF(50, 40), QPointF(80, 62)));
    painter.drawPath(lean);
    painter.setPen(style::outline(0.9, fat));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(style::smoothOpen({{58, 50}, {66, 48}, {72, 53}}));
    painter.drawPath(style::smoothOpen({{62, 56}, {70, 57}}));
}

// An open right hand, palm to the viewer, the classic sign for "stop".
void drawHand(QPainter& painter) {
    const QBrush skinBrush = lit(skin, QPointF(30, 4), QPointF(56, 50), skinShade);
    painter.setPen(style::outline(1.0));
    painter.setBrush(style::mix(sleeve, Qt::white, 0.1));
    painter.drawRoundedRect(QRectF(33, 52, 20, 14), 2, 2);
    painter.setBrush(style::mix(sleeve, Qt::white, 0.5));
    painter.drawRoundedRect(QRectF(32, 49, 22, 5), 2, 2);

    const QList<QRectF> fingers = {QRectF(34.2, 10, 5.2, 22), QRectF(39.6, 5, 5.4, 26),
                                   QRectF(45.2, 7, 5.2, 24), QRectF(50.4, 13, 4.8, 19)};
    for (const QRectF& finger : fingers) {
        QPainterPath shape;
        shape.addRoundedRect(finger, 2.6, 2.6);
        outlined(painter, shape, skinBrush);
    }
    painter.save();
    painter.translate(32, 36);
    painter.rotate(-38);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-3, -14, 6, 17), 3, 3);
    outlined(painter, thumb, skinBrush);
    painter.restore();
    const QPainterPath palm = style::smoothClosed(
        {{34, 26}, {44, 24}, {55, 27}, {55, 40}, {52, 49}, {44, 51}, {35, 48}, {32, 38}});
    outlined(painter, palm, skinBrush);
    painter.setPen(style::outline(0.8, skinShade.darker(130)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(style::smoothOpen({{37, 34}, {42, 38}, {44, 45}}));
    painter.drawPath(style::smoothOpen({{42, 32}, {52, 33}}));
}

} // namespace

void drawFattyFoods(QPainter& painter) {
    drawSausages(painter);
    drawSteak(painter);
    drawCheese(painter);
    drawHand(painter);
}
