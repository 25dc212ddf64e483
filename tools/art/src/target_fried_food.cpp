// Target "high fat, high cholesterol": two grinning lumps of fatty food, a pat of butter and a
// chunk of marbled pork, each waving a placard.

#include "drawings.h"
#include "style.h"

#include <QLinearGradient>

namespace {

const QColor butter(255, 226, 110);
const QColor pork(246, 170, 160);
const QColor marbling(255, 244, 236);
const QColor board(255, 252, 240);
const QColor stick(170, 110, 60);
const QColor lettering(200, 30, 40);

QBrush lit(const QColor& colour, QPointF from, QPointF to) {
    QLinearGradient brush(from, to);
    brush.setColorAt(0, style::mix(colour, Qt::white, 0.45));
    brush.setColorAt(1, style::mix(colour, Qt::black, 0.2));
    return brush;
}

void drawPlacard(QPainter& painter, const QRectF& card, QPointF hand, const QString& word) {
    painter.setPen(style::outline(2.6));
    painter.drawLine(QPointF(card.center().x(), card.bottom()), hand);
    painter.setPen(style::outline(1.4, stick));
    painter.drawLine(QPointF(card.center().x(), card.bottom()), hand);
    painter.setPen(style::outline(1.0));
    painter.setBrush(board);
    painter.drawRoundedRect(card, 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(lettering);
    painter.drawPath(style::fittedText(word, style::roundedBold(20), card.adjusted(3, 3, -3, -3)));
}

// Two eyes looking up at the placard and a wide grin.
void drawFace(QPainter& painter, QPointF at) {
    painter.setPen(style::outline(0.8));
    painter.setBrush(Qt::white);
    for (qreal dx : {-4.0, 4.0})
        painter.drawEllipse(at + QPointF(dx, 0), 2.8, 3.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::ink);
    for (qreal dx : {-3.6, 4.4})
        painter.drawEllipse(at + QPointF(dx, -0.9), 1.4, 1.6);
    QPainterPath grin;
    grin.moveTo(at + QPointF(-5, 5));
    grin.quadTo(at + QPointF(0, 6.5), at + QPointF(5, 5));
    grin.quadTo(at + QPointF(0, 11), at + QPointF(-5, 5));
    painter.setPen(style::outline(0.8));
    painter.setBrush(QColor(170, 40, 50));
    painter.drawPath(grin);
}

// An arm reaching up from the body to the stick, drawn over the body's outline.
void arm(QPainter& painter, QPointF from, QPointF hand, const QColor& colour) {
    painter.setPen(style::outline(4.0));
    painter.drawLine(from, hand);
    painter.setPen(style::outline(2.4, colour));
    painter.drawLine(from, hand);
    painter.setPen(style::outline(0.9));
    painter.setBrush(colour);
    painter.drawEllipse(hand, 2.4, 2.4);
}

void drawButter(QPainter& painter) {
    drawPlacard(painter, QRectF(2, 1.5, 34, 15), QPointF(25, 24), "FAT");
    const QPainterPath pat =
        style::smoothClosed({{8, 28}, {22, 24}, {36, 28}, {38, 46}, {22, 49}, {6, 46}});
    painter.setPen(style::outline(1.0));
    painter.setBrush(lit(butter, QPointF(6, 24), QPointF(38, 49)));
    painter.drawPath(pat);
    painter.setPen(style::outline(1.4, style::withAlpha(Qt::white, 190)));
    painter.drawLine(QPointF(11, 30), QPointF(19, 28));
    drawFace(painter, QPointF(19, 36));
    arm(painter, QPointF(31, 34), QPointF(25, 23), butter);
}

void drawPork(QPainter& painter) {
    drawPlacard(painter, QRectF(48, 1.5, 36, 15), QPointF(59, 22), "OIL");
    const QPainterPath chunk =
        style::smoothClosed({{48, 32}, {60, 24}, {76, 25}, {84, 36}, {80, 48}, {62, 49}, {48, 45}});
    painter.setPen(style::outline(1.0));
    painter.setBrush(lit(pork, QPointF(48, 24), QPointF(84, 49)));
    painter.drawPath(chunk);
    painter.setPen(style::outline(1.6, marbling));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(style::smoothOpen({{72, 28}, {78, 34}, {76, 42}}));
    painter.drawPath(style::smoothOpen({{52, 44}, {60, 46}, {68, 45}}));
    drawFace(painter, QPointF(67, 36));
    arm(painter, QPointF(54, 34), QPointF(59, 22), pork);
}

} // namespace

void drawPlacards(QPainter& painter) {
    drawButter(painter);
    drawPork(painter);
}
