#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QStringList>

// The shared look of every cartoon picture: one warm outline colour, soft gradients,
// smooth hand-drawn curves.
namespace style {

inline const QColor ink{62, 34, 30};

QStringList requiredFontFamilies();
QFont roundedBold(qreal pixelSize);
QFont bookSerif(qreal pixelSize);
QFont heavySans(qreal pixelSize);

QPen outline(qreal width = 1.0, const QColor& colour = ink);
QColor mix(const QColor& from, const QColor& to, qreal amount);
QColor withAlpha(QColor colour, int alpha);

// Curves through every given point (Catmull-Rom), for shapes that should look drawn by hand.
QPainterPath smoothClosed(const QList<QPointF>& points);
QPainterPath smoothOpen(const QList<QPointF>& points);

// A run of text as an outline path whose bounding box is fitted into the given box.
QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box);

// A soft white sheen, the highlight of a glossy surface.
void sheen(QPainter& painter, const QRectF& area, qreal strength);

} // namespace style
