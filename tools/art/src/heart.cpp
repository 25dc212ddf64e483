// The goal in the middle of the board: a glossy red anatomical heart with its great vessels,
// drawn as lit tubes and rounded chambers.

#include "drawings.h"
#include "style.h"

#include <QPainterPathStroker>
#include <QRadialGradient>
#include <cmath>

namespace {

const QColor arteryRed(214, 34, 40);
const QColor muscleRed(200, 26, 36);
const QColor veinRed(150, 40, 86);
const QColor trunkRed(176, 22, 44);

// A vessel: a stroked path shaded like a cylinder lit from the upper left, with an open end.
void drawTube(QPainter& painter, const QPainterPath& path, qreal width, const QColor& colour,
              bool openEnd = true) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath body = stroker.createStroke(path);

    painter.setPen(style::outline(1.3));
    painter.setBrush(style::mix(colour, Qt::black, 0.4));
    painter.drawPath(body);
    painter.save();
    painter.setClipPath(body);
    const QPointF light(-width * 0.14, -width * 0.1);
    for (auto [share, shift, tint] : {std::tuple{0.72, 1.0, colour},
                                      {0.34, 1.9, style::mix(colour, Qt::white, 0.38)},
                                      {0.1, 2.4, style::mix(colour, Qt::white, 0.85)}}) {
        QPen pen(tint, width * share, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path.translated(light * shift));
    }
    painter.restore();
    if (!openEnd)
        return;
    // The cut end of the vessel, seen as a dark oval across its tip.
    const qreal length = path.length();
    const QPointF tip = path.pointAtPercent(1);
    const qreal angle = path.angleAtPercent(path.percentAtLength(length - 0.5));
    painter.save();
    painter.translate(tip);
    painter.rotate(-angle + 90);
    painter.setPen(style::outline(1.0));
    painter.setBrush(style::mix(colour, Qt::black, 0.55));
    painter.drawEllipse(QPointF(0, 0), width * 0.2, width / 2);
    painter.restore();
}

QPainterPath curve(QList<QPointF> points) {
    return style::smoothOpen(points);
}

void drawChamber(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                 QPointF lightAt, qreal reach) {
    QRadialGradient body(shape.boundingRect().center(), reach, lightAt);
    body.setColorAt(0, style::mix(colour, Qt::white, 0.5));
    body.setColorAt(0.35, colour);
    body.setColorAt(1, style::mix(colour, Qt::black, 0.55));
    painter.setPen(style::outline(1.4));
    painter.setBrush(body);
    painter.drawPath(shape);
}

void drawVesselsBehind(QPainter& painter) {
    // The right pulmonary artery passes behind the aorta and the vena cava to the left.
    drawTube(painter, curve({{72, 62}, {44, 58}, {22, 60}, {8, 56}}), 9, trunkRed);
    // Superior vena cava on the left.
    drawTube(painter, curve({{26, 90}, {25, 52}, {24, 18}}), 15, veinRed);
}

void drawAorta(QPainter& painter) {
    // Three branches rising from the top of the arch.
    drawTube(painter, curve({{50, 30}, {46, 16}, {43, 4}}), 8, arteryRed);
    drawTube(painter, curve({{63, 22}, {64, 12}, {65, 3}}), 6.5, arteryRed);
    drawTube(painter, curve({{76, 24}, {81, 14}, {86, 6}}), 7, arteryRed);
    // The arch: up from the heart, over to the right and down behind it.
    drawTube(painter,
             curve({{46, 86}, {42, 52}, {48, 32}, {64, 22}, {84, 24}, {97, 40}, {100, 74}}), 17,
             arteryRed, false);
}

void drawChambers(QPainter& painter) {
    // Right atrium bulging on the left, left auricle curling out on the right.
    drawChamber(painter,
                style::smoothClosed({{40, 78}, {22, 74}, {9, 86}, {10, 106}, {24, 118}, {42, 110}}),
                style::mix(muscleRed, veinRed, 0.35), QPointF(18, 84), 26);
    drawChamber(painter,
                style::smoothClosed(
                    {{86, 76}, {96, 66}, {108, 68}, {113, 76}, {108, 80}, {110, 88}, {96, 88}}),
                muscleRed, QPointF(100, 70), 16);
    // The ventricles, the apex pointing down and to the right.
    drawChamber(painter,
                style::smoothClosed({{40, 80},
                                     {70, 76},
                                     {96, 82},
                                     {110, 104},
                                     {107, 134},
                                     {92, 160},
                                     {78, 177},
                                     {64, 171},
                                     {38, 150},
                                     {22, 124},
                                     {23, 100}}),
                muscleRed, QPointF(40, 104), 78);
}

void drawPulmonaryTrunk(QPainter& painter) {
    // In front of the aorta, out of the top of the heart: it rises to the right, under the arch.
    drawTube(painter, curve({{62, 106}, {62, 86}, {68, 66}, {80, 55}, {94, 51}, {106, 51}}), 13,
             trunkRed);
}

// A surface vessel that thins towards its end, as a dark rim, a body and a glint.
void drawSurfaceVessel(QPainter& painter, const QPainterPath& path, const QColor& colour,
                       qreal width) {
    const int pieces = 14;
    const QColor rim = style::mix(muscleRed, Qt::black, 0.55);
    for (auto [extra, tint] : {std::pair{1.4, rim}, {0.0, colour}}) {
        for (int i = 0; i < pieces; ++i) {
            const qreal t = qreal(i) / pieces;
            painter.setPen(style::outline(width * (1 - 0.6 * t) + extra, tint));
            painter.drawLine(path.pointAtPercent(t), path.pointAtPercent(t + 1.0 / pieces));
        }
    }
    painter.setPen(style::outline(0.6, style::mix(colour, Qt::white, 0.6)));
    painter.drawPath(path.translated(-0.4, -0.5));
}

void drawCoronaryVessels(QPainter& painter) {
    const QColor artery = style::mix(arteryRed, QColor(255, 120, 90), 0.35);
    const QColor vein(110, 70, 150);
    drawSurfaceVessel(painter, curve({{75, 106}, {76, 126}, {80, 148}}), vein, 2.2);
    drawSurfaceVessel(painter, curve({{70, 102}, {68, 128}, {72, 152}, {80, 172}}), artery, 3.0);
    drawSurfaceVessel(painter, curve({{69, 122}, {82, 124}, {96, 114}, {102, 104}}), artery, 2.2);
    drawSurfaceVessel(painter, curve({{70, 146}, {84, 146}, {94, 138}}), artery, 1.8);
    drawSurfaceVessel(painter, curve({{44, 104}, {34, 122}, {36, 140}, {46, 156}}), artery, 2.6);
    drawSurfaceVessel(painter, curve({{36, 128}, {28, 136}}), artery, 1.6);
}

void drawHighlights(QPainter& painter) {
    style::sheen(painter, QRectF(28, 96, 28, 26), 0.7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.save();
    painter.translate(36, 110);
    painter.rotate(-35);
    painter.drawEllipse(QPointF(0, 0), 7.5, 3.6);
    painter.restore();
    painter.drawEllipse(QPointF(30, 138), 2.2, 1.6);
    painter.drawEllipse(QPointF(15, 92), 2.6, 2.0);
    painter.drawEllipse(QPointF(100, 71), 2.0, 1.5);
}

} // namespace

void drawAnatomicalHeart(QPainter& painter) {
    drawVesselsBehind(painter);
    drawAorta(painter);
    drawPulmonaryTrunk(painter);
    drawChambers(painter);
    drawCoronaryVessels(painter);
    drawHighlights(painter);
}
