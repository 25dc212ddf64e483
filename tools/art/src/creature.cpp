// The icon of the game windows: a plump grey one-eyed creature with a white belly. Drawn
// bold and simple, since it is mostly seen at 16 to 32 pixels.

#include "drawings.h"
#include "style.h"

#include <QRadialGradient>

namespace {

const QColor grey(150, 156, 168);
const QColor greyDark(96, 100, 114);
const QColor belly(250, 250, 246);
const QColor iris(60, 130, 210);

void drawBody(QPainter& painter) {
    QRadialGradient fur(QPointF(16, 18), 15, QPointF(11, 10));
    fur.setColorAt(0, style::mix(grey, Qt::white, 0.45));
    fur.setColorAt(0.6, grey);
    fur.setColorAt(1, greyDark);
    painter.setPen(style::outline(1.0));
    painter.setBrush(fur);
    // Little ears, arms and feet first, so the body's outline overlaps them.
    painter.drawEllipse(QPointF(8.5, 6), 2.6, 3.2);
    painter.drawEllipse(QPointF(23.5, 6), 2.6, 3.2);
    painter.drawEllipse(QPointF(4.2, 20), 2.6, 2.2);
    painter.drawEllipse(QPointF(27.8, 20), 2.6, 2.2);
    painter.drawEllipse(QPointF(10.5, 29.5), 3.8, 2.2);
    painter.drawEllipse(QPointF(21.5, 29.5), 3.8, 2.2);
    painter.drawPath(style::smoothClosed(
        {{16, 3.5}, {24.5, 7}, {28, 17}, {26, 26}, {16, 29.5}, {6, 26}, {4, 17}, {7.5, 7}}));
}

void drawFace(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(belly);
    painter.drawEllipse(QPointF(16, 23), 7, 5.2);

    painter.setPen(style::outline(0.9));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 11.5), 6.6, 6.0);
    painter.setBrush(iris);
    painter.drawEllipse(QPointF(16.6, 12), 3.4, 3.4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::ink);
    painter.drawEllipse(QPointF(16.8, 12.2), 1.7, 1.7);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(15.3, 10.6), 1.1, 1.1);

    painter.setPen(style::outline(0.9));
    painter.setBrush(Qt::NoBrush);
    QPainterPath smile;
    smile.moveTo(12.8, 18.6);
    smile.quadTo(16, 20.8, 19.2, 18.6);
    painter.drawPath(smile);
}

} // namespace

void drawCreature(QPainter& painter) {
    drawBody(painter);
    drawFace(painter);
}
