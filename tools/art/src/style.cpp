#include "style.h"

#include <QPainter>
#include <QRadialGradient>

namespace style {

QStringList requiredFontFamilies() {
    return {"Comic Neue", "DejaVu Serif"};
}

QFont roundedBold(qreal pixelSize) {
    QFont font("Comic Neue");
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(QFont::Bold);
    return font;
}

QFont bookSerif(qreal pixelSize) {
    QFont font("DejaVu Serif");
    font.setPixelSize(qRound(pixelSize));
    return font;
}

QFont heavySans(qreal pixelSize) {
    QFont font("DejaVu Sans");
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(QFont::Black);
    return font;
}

QPen outline(qreal width, const QColor& colour) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QColor mix(const QColor& from, const QColor& to, qreal amount) {
    auto channel = [amount](int a, int b) { return qRound(a + (b - a) * amount); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()), channel(from.alpha(), to.alpha()));
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

namespace {

void addCatmullRom(QPainterPath& path, QPointF before, QPointF from, QPointF to, QPointF after) {
    path.cubicTo(from + (to - before) / 6.0, to - (after - from) / 6.0, to);
}

} // namespace

QPainterPath smoothClosed(const QList<QPointF>& points) {
    QPainterPath path;
    const qsizetype n = points.size();
    if (n < 3)
        return path;
    path.moveTo(points[0]);
    for (qsizetype i = 0; i < n; ++i)
        addCatmullRom(path, points[(i + n - 1) % n], points[i], points[(i + 1) % n],
                      points[(i + 2) % n]);
    path.closeSubpath();
    return path;
}

QPainterPath smoothOpen(const QList<QPointF>& points) {
    QPainterPath path;
    const qsizetype n = points.size();
    if (n < 2)
        return path;
    path.moveTo(points[0]);
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const QPointF before = i > 0 ? points[i - 1] : points[i];
        const QPointF after = i + 2 < n ? points[i + 2] : points[i + 1];
        addCatmullRom(path, before, points[i], points[i + 1], after);
    }
    return path;
}

QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QRectF bounds = raw.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / bounds.width(), box.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(raw);
}

void sheen(QPainter& painter, const QRectF& area, qreal strength) {
    QRadialGradient glow(area.center(), std::max(area.width(), area.height()) / 2);
    glow.setColorAt(0, QColor(255, 255, 255, qRound(255 * strength)));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.translate(area.center());
    painter.scale(area.width() / std::max(area.width(), area.height()),
                  area.height() / std::max(area.width(), area.height()));
    painter.translate(-area.center());
    const qreal r = std::max(area.width(), area.height()) / 2;
    painter.drawEllipse(area.center(), r, r);
    painter.restore();
}

} // namespace style
