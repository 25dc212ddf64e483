#pragma once

#include <QColor>
#include <QList>
#include <QPainter>
#include <QPointF>

// A strand of an interlace knot: a closed curve given by dense points, and its colours.
struct KnotStrand {
    QList<QPointF> points;
    QColor band;
    QColor edge;
};

// Draws the strands as ribbons that pass alternately over and under each other at every
// crossing, the way a Celtic knot is woven.
void drawInterlace(QPainter& painter, const QList<KnotStrand>& strands, qreal width);
