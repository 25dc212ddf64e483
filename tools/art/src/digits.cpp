// Red seven-segment LED digits on black. The segment edges sit on whole pixels at 1x so the
// small digits stay crisp; unlit segments glow faintly, as on a real display.

#include "drawings.h"

#include <QPolygonF>
#include <array>

namespace {

const QColor black(0, 0, 0);
const QColor unlit(72, 6, 4);
const QColor lit(255, 36, 24);
const QColor litCore(255, 150, 120);

// Segment centre lines: columns 3 and 13, rows 2, 10 and 18.
constexpr qreal left = 3, right = 13, top = 2, middle = 10, bottom = 18;
constexpr qreal half = 1;   // half the segment thickness
constexpr qreal gap = 0.45; // dark gap between neighbouring segments

enum Segment {
    A,
    B,
    C,
    D,
    E,
    F,
    G
}; // top, upper right, lower right, bottom, lower left,
   // upper left, middle

QPolygonF horizontal(qreal y) {
    const qreal x1 = left + gap, x2 = right - gap;
    return QPolygonF({{x1, y},
                      {x1 + half, y - half},
                      {x2 - half, y - half},
                      {x2, y},
                      {x2 - half, y + half},
                      {x1 + half, y + half}});
}

QPolygonF vertical(qreal x, qreal y1, qreal y2) {
    y1 += gap;
    y2 -= gap;
    return QPolygonF({{x, y1},
                      {x + half, y1 + half},
                      {x + half, y2 - half},
                      {x, y2},
                      {x - half, y2 - half},
                      {x - half, y1 + half}});
}

QPolygonF segmentShape(Segment segment) {
    switch (segment) {
    case A:
        return horizontal(top);
    case B:
        return vertical(right, top, middle);
    case C:
        return vertical(right, middle, bottom);
    case D:
        return horizontal(bottom);
    case E:
        return vertical(left, middle, bottom);
    case F:
        return vertical(left, top, middle);
    case G:
        return horizontal(middle);
    }
    return {};
}

// Which segments light up for each digit, in the order A to G.
constexpr std::array<std::array<bool, 7>, 10> pattern{{
    {1, 1, 1, 1, 1, 1, 0},
    {0, 1, 1, 0, 0, 0, 0},
    {1, 1, 0, 1, 1, 0, 1},
    {1, 1, 1, 1, 0, 0, 1},
    {0, 1, 1, 0, 0, 1, 1},
    {1, 0, 1, 1, 0, 1, 1},
    {1, 0, 1, 1, 1, 1, 1},
    {1, 1, 1, 0, 0, 0, 0},
    {1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 0, 1, 1},
}};

void drawSegment(QPainter& painter, Segment segment, bool on) {
    const QPolygonF shape = segmentShape(segment);
    painter.setPen(Qt::NoPen);
    painter.setBrush(on ? lit : unlit);
    painter.drawPolygon(shape);
    if (!on)
        return;
    // A thin hot core along the middle of a lit segment; only visible from 2x upwards.
    QPolygonF core;
    const QPointF centre = shape.boundingRect().center();
    for (const QPointF& point : shape)
        core << centre + (point - centre) * 0.35;
    painter.setBrush(litCore);
    painter.setOpacity(0.55);
    painter.drawPolygon(core);
    painter.setOpacity(1);
}

void drawSegments(QPainter& painter, const std::array<bool, 7>& on) {
    painter.fillRect(QRectF(0, 0, 16, 21), black);
    for (int segment = A; segment <= G; ++segment)
        drawSegment(painter, Segment(segment), on[segment]);
}

} // namespace

void drawRedDigit(QPainter& painter, int digit) {
    drawSegments(painter, pattern.at(digit));
}

void drawRedMinus(QPainter& painter) {
    drawSegments(painter, {0, 0, 0, 0, 0, 0, 1});
}

void drawRedColon(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, 9, 21), black);
    painter.setPen(Qt::NoPen);
    painter.setBrush(lit);
    for (qreal y : {5.0, 13.0})
        painter.drawRoundedRect(QRectF(3, y, 3, 3), 0.8, 0.8);
}
