// The four heraldic shields of the status window's buttons: a gold rim around a field that
// tells the buttons apart.

#include "drawings.h"
#include "style.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <functional>

namespace {

const QColor gold(232, 184, 56);
const QColor goldLight(255, 236, 150);
const QColor goldDark(160, 104, 20);
const QColor blue(38, 72, 178);
const QColor darkBlue(22, 36, 110);
const QColor darkRed(140, 18, 26);
const QColor darkGreen(20, 96, 44);
const QColor lightBlue(150, 210, 255);

// A heater shield filling the box: flat top, straight sides, curving to a point.
QPainterPath shieldShape(const QRectF& box) {
    const qreal l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    const qreal w = box.width(), h = box.height(), cx = box.center().x();
    QPainterPath shape;
    shape.moveTo(l, t + h * 0.04);
    shape.quadTo(cx, t - h * 0.03, r, t + h * 0.04);
    shape.lineTo(r, t + h * 0.45);
    shape.cubicTo(r, t + h * 0.72, cx + w * 0.22, t + h * 0.9, cx, b);
    shape.cubicTo(cx - w * 0.22, t + h * 0.9, l, t + h * 0.72, l, t + h * 0.45);
    shape.closeSubpath();
    return shape;
}

const QRectF outerBox(1.2, 1.6, 37.6, 46.9);
const QRectF fieldBox(4.4, 4.8, 31.2, 39.4);

QBrush goldBrush(const QRectF& area) {
    QLinearGradient brush(area.topLeft(), area.bottomRight());
    brush.setColorAt(0, goldLight);
    brush.setColorAt(0.45, gold);
    brush.setColorAt(1, goldDark);
    return brush;
}

void drawShield(QPainter& painter, const std::function<void(QPainter&)>& drawField) {
    const QPainterPath outer = shieldShape(outerBox);
    const QPainterPath field = shieldShape(fieldBox);
    painter.setPen(Qt::NoPen);
    painter.setBrush(goldBrush(outerBox));
    painter.drawPath(outer);

    painter.save();
    painter.setClipPath(field);
    drawField(painter);
    // Light from the upper left over the whole field.
    QRadialGradient light(QPointF(12, 12), 34);
    light.setColorAt(0, QColor(255, 255, 255, 90));
    light.setColorAt(0.6, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(0, 0, 0, 60));
    painter.fillRect(fieldBox, light);
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(style::outline(0.8, goldDark));
    painter.drawPath(field);
    painter.setPen(style::outline(1.0));
    painter.drawPath(outer);
    // A glint on the rim's upper left corner.
    painter.setPen(style::outline(0.9, QColor(255, 250, 220, 200)));
    painter.drawLine(QPointF(3, 6.5), QPointF(3, 14));
}

void goldBar(QPainter& painter, const QRectF& bar) {
    painter.setPen(style::outline(0.6, goldDark));
    painter.setBrush(goldBrush(bar));
    painter.drawRect(bar);
}

// A gold cross on whole pixels at 1x, optionally edged with light-blue stripes.
void goldCross(QPainter& painter, qreal stripe) {
    const QRectF upright(18, 0, 4, 50), crossbar(0, 20, 40, 4);
    if (stripe > 0) {
        painter.fillRect(upright.adjusted(-stripe, 0, stripe, 0), lightBlue);
        painter.fillRect(crossbar.adjusted(0, -stripe, 0, stripe), lightBlue);
    }
    painter.fillRect(upright, goldBrush(QRectF(10, 0, 20, 50)));
    painter.fillRect(crossbar, goldBrush(QRectF(0, 12, 40, 20)));
    painter.setPen(style::outline(0.5, goldDark));
    painter.drawLines(QList<QLineF>{{18, 0, 18, 20},
                                    {22, 0, 22, 20},
                                    {18, 24, 18, 50},
                                    {22, 24, 22, 50},
                                    {0, 20, 18, 20},
                                    {22, 20, 40, 20},
                                    {0, 24, 18, 24},
                                    {22, 24, 40, 24}});
}

} // namespace

void drawShieldInfo(QPainter& painter) {
    drawShield(painter, [](QPainter& p) {
        p.fillRect(QRectF(0, 0, 20, 22), blue);
        p.fillRect(QRectF(20, 22, 20, 28), blue);
        p.fillRect(QRectF(20, 0, 20, 22), darkRed);
        p.fillRect(QRectF(0, 22, 20, 28), darkRed);
        goldCross(p, 0);
    });
}

void drawShieldHelp(QPainter& painter) {
    drawShield(painter, [](QPainter& p) {
        p.fillRect(QRectF(0, 0, 40, 50), darkRed);
        // An upright key: bow at the bottom, shaft rising, notched bit at the top.
        QPainterPath key;
        key.addEllipse(QPointF(20, 34), 6.2, 6.2);
        key.addRect(QRectF(18.4, 8, 3.2, 22));
        key.addRect(QRectF(21, 8, 6.6, 9));
        QPainterPath cuts;
        cuts.addEllipse(QPointF(20, 34), 2.8, 2.8);
        cuts.addRect(QRectF(24.6, 11.2, 3.2, 2.6));
        key = key.simplified().subtracted(cuts);
        p.setPen(style::outline(0.8, style::ink));
        p.setBrush(goldBrush(QRectF(13, 8, 15, 32)));
        p.drawPath(key);
    });
}

void drawShieldSearch(QPainter& painter) {
    drawShield(painter, [](QPainter& p) {
        p.fillRect(QRectF(0, 0, 40, 50), darkBlue);
        goldCross(p, 1.2);
    });
}

void drawShieldExit(QPainter& painter) {
    drawShield(painter, [](QPainter& p) {
        p.fillRect(QRectF(0, 0, 40, 50), darkGreen);
        p.save();
        p.translate(20, 24);
        p.rotate(51);
        goldBar(p, QRectF(-40, -5, 80, 10));
        p.restore();
    });
}
