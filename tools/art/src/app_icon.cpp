// The application icon for menus, launchers and taskbars: a glossy red heart with an ivory
// die leaning on its lower right, the game in one picture. Drawn in a 256-unit square and
// simplified at small sizes, where fine detail would only blur.

#include "drawings.h"
#include "style.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace {

const QColor heartLight(255, 150, 150);
const QColor heartRed(222, 36, 46);
const QColor heartDeep(128, 8, 22);
const QColor ivory(255, 253, 246);
const QColor ivoryShade(226, 218, 202);
const QColor pip(40, 24, 22);

QPainterPath heartShape() {
    QPainterPath heart(QPointF(128, 232));
    heart.cubicTo(60, 180, 16, 140, 16, 88);
    heart.cubicTo(16, 50, 44, 24, 78, 24);
    heart.cubicTo(102, 24, 120, 38, 128, 58);
    heart.cubicTo(136, 38, 154, 24, 178, 24);
    heart.cubicTo(212, 24, 240, 50, 240, 88);
    heart.cubicTo(240, 140, 196, 180, 128, 232);
    heart.closeSubpath();
    // Up and to the left, leaving the lower right corner to the die.
    return QTransform().translate(4, 4).scale(0.86, 0.86).map(heart);
}

void drawHeart(QPainter& painter, qreal line, bool detailed) {
    QRadialGradient body(QPointF(112, 104), 150, QPointF(66, 58));
    body.setColorAt(0, heartLight);
    body.setColorAt(0.3, heartRed);
    body.setColorAt(1, heartDeep);
    painter.setPen(style::outline(line));
    painter.setBrush(body);
    painter.drawPath(heartShape());
    if (!detailed)
        return;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.translate(62, 62);
    painter.rotate(-38);
    painter.drawEllipse(QPointF(0, 0), 22, 10);
    painter.restore();
}

// The pips of the face that shows: five where they can be seen, one large pip when small.
QList<QPointF> pipCentres(bool detailed) {
    if (!detailed)
        return {{0, 0}};
    return {{-27, -27}, {27, -27}, {0, 0}, {-27, 27}, {27, 27}};
}

void drawDie(QPainter& painter, qreal line, bool detailed) {
    const QRectF face(-52, -52, 104, 104);
    painter.save();
    painter.translate(184, 182);
    painter.rotate(-14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 0, 10, 70)); // its shadow on the heart
    painter.drawRoundedRect(face.translated(7, 9), 22, 22);
    QLinearGradient body(face.topLeft(), face.bottomRight());
    body.setColorAt(0, ivory);
    body.setColorAt(1, ivoryShade);
    painter.setPen(style::outline(line));
    painter.setBrush(body);
    painter.drawRoundedRect(face, 22, 22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pip);
    const qreal radius = detailed ? 11 : 20;
    for (const QPointF& centre : pipCentres(detailed))
        painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

} // namespace

void drawAppIcon(QPainter& painter, int pixels) {
    const bool detailed = pixels >= 32;
    // At least about one device pixel of outline, whatever the size.
    const qreal line = std::max(7.0, 1.1 * 256 / pixels);
    drawHeart(painter, line, detailed);
    drawDie(painter, line, detailed);
}
