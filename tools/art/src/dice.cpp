// The die faces: a large numeral in cyan-turquoise, extruded towards the lower right so that
// it stands out of the green ball as a solid block.

#include "drawings.h"
#include "style.h"

#include <QLinearGradient>

namespace {

const QPointF depth(7, 9); // how far the block reaches back, towards the lower right
const QRectF faceBox(4, 3, 56, 84);

const QColor faceLight(200, 255, 255);
const QColor face(40, 214, 220);
const QColor faceDeep(10, 160, 178);
const QColor sideLight(16, 128, 146);
const QColor sideDark(4, 62, 80);
const QColor edge(2, 40, 54);

// The numeral's outline, scaled to the face box's height and centred across it.
QPainterPath numeralShape(int value) {
    QPainterPath raw;
    raw.addText(0, 0, style::heavySans(100), QString::number(value));
    const QRectF bounds = raw.boundingRect();
    const qreal scale = faceBox.height() / bounds.height();
    const qreal width = std::min(bounds.width() * scale * 1.08, faceBox.width());
    QTransform fit;
    fit.translate(faceBox.center().x() - width / 2, faceBox.top());
    fit.scale(width / bounds.width(), scale);
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(raw);
}

QPainterPath sideShape(const QPainterPath& front) {
    QPainterPath side = front;
    for (int step = 1; step <= 24; ++step)
        side = side.united(front.translated(depth * (step / 24.0)));
    return side;
}

} // namespace

void drawDiceNumeral(QPainter& painter, int value) {
    const QPainterPath front = numeralShape(value);
    QLinearGradient sideBrush(faceBox.topLeft(), faceBox.bottomRight() + depth);
    sideBrush.setColorAt(0, sideLight);
    sideBrush.setColorAt(1, sideDark);
    painter.setPen(style::outline(1.4, edge));
    painter.setBrush(sideBrush);
    painter.drawPath(sideShape(front));

    QLinearGradient faceBrush(faceBox.topLeft(), faceBox.bottomRight());
    faceBrush.setColorAt(0, faceLight);
    faceBrush.setColorAt(0.35, face);
    faceBrush.setColorAt(1, faceDeep);
    painter.setPen(style::outline(1.0, edge));
    painter.setBrush(faceBrush);
    painter.drawPath(front);

    // A glossy streak across the upper face.
    painter.save();
    painter.setClipPath(front);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 80));
    painter.drawEllipse(QRectF(-10, -30, 80, 58));
    painter.restore();
}
