// Target "regular hours of rest": someone fast asleep under a quilt, snoring Zs.

#include "drawings.h"
#include "style.h"

#include <QLinearGradient>

namespace {

const QColor wood(176, 110, 60);
const QColor sheet(250, 250, 255);
const QColor quilt(90, 140, 220);
const QColor skin(255, 218, 190);
const QColor hair(110, 70, 40);

QBrush lit(const QColor& colour, QPointF from, QPointF to) {
    QLinearGradient brush(from, to);
    brush.setColorAt(0, style::mix(colour, Qt::white, 0.4));
    brush.setColorAt(1, style::mix(colour, Qt::black, 0.2));
    return brush;
}

void drawBed(QPainter& painter) {
    painter.setPen(style::outline(1.0));
    painter.setBrush(lit(wood, QPointF(2, 20), QPointF(12, 56)));
    painter.drawRoundedRect(QRectF(2, 20, 9, 36), 3, 3);  // headboard
    painter.drawRoundedRect(QRectF(60, 34, 8, 22), 3, 3); // footboard
    painter.drawRect(QRectF(8, 44, 56, 6));               // frame
    painter.setBrush(sheet);
    painter.drawRoundedRect(QRectF(9, 38, 53, 8), 3, 3); // mattress
    painter.setBrush(lit(sheet, QPointF(10, 28), QPointF(10, 40)));
    painter.drawPath(style::smoothClosed({{11, 33}, {20, 28}, {30, 31}, {29, 39}, {13, 40}}));
}

void drawHead(QPainter& painter) {
    // The head on the pillow, eyes shut, mouth open in a snore.
    painter.setPen(style::outline(1.0));
    painter.setBrush(lit(skin, QPointF(18, 22), QPointF(30, 36)));
    painter.drawEllipse(QPointF(23, 29), 7.2, 6.8);
    painter.setBrush(hair);
    painter.drawPath(
        style::smoothClosed({{15.5, 29}, {17, 22.5}, {24, 21.6}, {29, 24}, {22, 25.5}}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(style::outline(0.9));
    painter.drawArc(QRectF(21.5, 26.8, 4, 3), 200 * 16, 140 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(170, 60, 60));
    painter.drawEllipse(QPointF(26.4, 33), 1.2, 1.0);
    painter.setBrush(QColor(255, 140, 140, 110));
    painter.drawEllipse(QPointF(21, 31.5), 2.2, 1.4);
}

void drawQuilt(QPainter& painter) {
    const QPainterPath cover = style::smoothClosed(
        {{27, 33}, {36, 30}, {48, 32}, {58, 31}, {63, 38}, {63, 47}, {26, 47}, {25, 40}});
    painter.setPen(style::outline(1.0));
    painter.setBrush(lit(quilt, QPointF(26, 30), QPointF(62, 48)));
    painter.drawPath(cover);
    // Folded-back hem and a pattern of little stars.
    painter.setBrush(style::mix(quilt, Qt::white, 0.55));
    painter.drawPath(
        style::smoothClosed({{27, 33}, {31, 31.5}, {33, 40}, {30, 47}, {26, 47}, {25, 40}}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 236, 120));
    for (QPointF at : {QPointF(40, 37), QPointF(50, 36), QPointF(45, 43), QPointF(56, 42)})
        painter.drawEllipse(at, 1.3, 1.3);
}

void drawSnore(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 60, 150));
    painter.drawPath(style::fittedText("z", style::roundedBold(20), QRectF(30, 16, 5, 5)));
    painter.drawPath(style::fittedText("Z", style::roundedBold(20), QRectF(36, 8, 7, 8)));
    painter.drawPath(style::fittedText("Z", style::roundedBold(20), QRectF(45, 1, 9, 10)));
}

} // namespace

void drawSleeper(QPainter& painter) {
    drawBed(painter);
    drawHead(painter);
    drawQuilt(painter);
    drawSnore(painter);
}
