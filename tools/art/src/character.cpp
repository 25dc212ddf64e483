// The player's character: a cheerful cartoon girl with long red hair, winking, in a red dress
// and a dark cape, with gold jewellery. She is seen as small as 48 x 69 pixels on the board,
// so the big shapes (hair, face, dress, cape) carry the picture; details reward the larger
// views.

#include "drawings.h"
#include "style.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace {

const QColor hair(214, 58, 30);
const QColor hairLight(250, 130, 60);
const QColor hairDark(130, 24, 12);
const QColor skin(255, 224, 200);
const QColor skinShade(238, 176, 150);
const QColor dress(218, 30, 44);
const QColor dressDark(140, 12, 30);
const QColor cape(44, 36, 84);
const QColor capeLight(84, 72, 140);
const QColor gold(240, 192, 60);
const QColor goldDark(170, 112, 20);
const QColor boot(86, 44, 32);
const QColor eyeGreen(44, 150, 90);

QPainterPath shape(const QList<QPointF>& points) {
    return style::smoothClosed(points);
}

void fill(QPainter& painter, const QPainterPath& path, const QBrush& brush, qreal line = 1.2) {
    painter.setPen(style::outline(line));
    painter.setBrush(brush);
    painter.drawPath(path);
}

QBrush shaded(const QColor& colour, QPointF from, QPointF to, qreal light = 0.35,
              qreal dark = 0.35) {
    QLinearGradient brush(from, to);
    brush.setColorAt(0, style::mix(colour, Qt::white, light));
    brush.setColorAt(0.5, colour);
    brush.setColorAt(1, style::mix(colour, Qt::black, dark));
    return brush;
}

// A limb: an outlined round-ended stroke.
void limb(QPainter& painter, const QPainterPath& path, qreal width, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(style::outline(width + 2.2));
    painter.drawPath(path);
    painter.setPen(style::outline(width, colour));
    painter.drawPath(path);
}

void drawCape(QPainter& painter) {
    const QPainterPath back = shape({{44, 86},
                                     {84, 86},
                                     {98, 112},
                                     {110, 160},
                                     {114, 188},
                                     {96, 184},
                                     {80, 190},
                                     {64, 184},
                                     {48, 190},
                                     {32, 184},
                                     {14, 188},
                                     {18, 160},
                                     {30, 112}});
    fill(painter, back, shaded(cape, QPointF(20, 90), QPointF(110, 190), 0.3, 0.45));
    // Folds falling from the shoulders.
    painter.setPen(style::outline(1.0, style::mix(cape, Qt::black, 0.5)));
    for (const QList<QPointF>& fold : QList<QList<QPointF>>{{{30, 140}, {24, 166}, {22, 184}},
                                                            {{98, 140}, {104, 166}, {106, 184}}})
        painter.drawPath(style::smoothOpen(fold));
}

void drawBackHair(QPainter& painter) {
    const QPainterPath back = shape({{64, 8},
                                     {92, 14},
                                     {106, 36},
                                     {106, 64},
                                     {100, 90},
                                     {106, 114},
                                     {100, 134},
                                     {90, 140},
                                     {88, 124},
                                     {64, 116},
                                     {40, 124},
                                     {38, 140},
                                     {28, 134},
                                     {22, 114},
                                     {28, 90},
                                     {22, 64},
                                     {22, 36},
                                     {36, 14}});
    fill(painter, back, shaded(hair, QPointF(30, 20), QPointF(100, 140), 0.2, 0.45));
    painter.setPen(style::outline(1.0, hairDark));
    for (const QList<QPointF>& strand : QList<QList<QPointF>>{{{28, 70}, {30, 100}, {26, 124}},
                                                              {{100, 70}, {98, 100}, {102, 124}}})
        painter.drawPath(style::smoothOpen(strand));
}

void drawLegs(QPainter& painter) {
    for (qreal x : {56.0, 72.0}) {
        limb(painter, style::smoothOpen({{x, 144}, {x, 172}}), 7.5, skin);
        // Boots with a turned-down cuff, toes pointing outwards.
        const qreal out = x < 64 ? -1 : 1;
        const QPainterPath bootShape = shape({{x - 4.5 * out, 166},
                                              {x + 4.5 * out, 166},
                                              {x + 5 * out, 184},
                                              {x + 10 * out, 189},
                                              {x + 9 * out, 194},
                                              {x - 5 * out, 194},
                                              {x - 5.5 * out, 184}});
        fill(painter, bootShape, shaded(boot, QPointF(x - 6, 166), QPointF(x + 8, 194)));
        painter.setPen(style::outline(1.6, style::withAlpha(Qt::white, 90)));
        painter.drawLine(QPointF(x - 2 * out, 171), QPointF(x - 2 * out, 182));
        painter.setPen(style::outline(1.0));
        painter.setBrush(style::mix(boot, Qt::white, 0.25));
        painter.drawRoundedRect(QRectF(x - 6, 163, 12, 5), 2, 2);
    }
}

void drawDress(QPainter& painter) {
    const QPainterPath skirt = shape({{52, 118},
                                      {76, 118},
                                      {86, 132},
                                      {94, 148},
                                      {82, 146},
                                      {74, 150},
                                      {64, 146},
                                      {54, 150},
                                      {46, 146},
                                      {34, 148},
                                      {42, 132}});
    fill(painter, skirt, shaded(dress, QPointF(36, 118), QPointF(92, 150)));
    painter.setPen(style::outline(0.9, dressDark));
    painter.drawLine(QPointF(56, 124), QPointF(52, 144));
    painter.drawLine(QPointF(72, 124), QPointF(76, 144));

    const QPainterPath bodice =
        shape({{50, 86}, {78, 86}, {84, 98}, {78, 122}, {50, 122}, {44, 98}});
    fill(painter, bodice, shaded(dress, QPointF(44, 86), QPointF(84, 122)));
    // Gold belt with a round buckle.
    painter.setPen(style::outline(1.0));
    painter.setBrush(shaded(gold, QPointF(50, 117), QPointF(50, 124), 0.4, 0.3));
    painter.drawRoundedRect(QRectF(49, 117, 30, 6), 2, 2);
    painter.drawEllipse(QPointF(64, 120), 4.2, 4.2);
    painter.setBrush(dress);
    painter.drawEllipse(QPointF(64, 120), 1.8, 1.8);
}

void drawHipArm(QPainter& painter) {
    limb(painter, style::smoothOpen({{83, 96}, {96, 108}, {84, 120}}), 7, skin);
    painter.setPen(style::outline(1.1));
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(83, 120), 4.2, 4.2);
    fill(painter, shape({{76, 96}, {80, 88}, {88, 88}, {92, 96}, {84, 102}}),
         shaded(dress, QPointF(76, 88), QPointF(92, 102)));
}

// In front of the hair lock, so the whole arm shows.
void drawRaisedArm(QPainter& painter) {
    limb(painter, style::smoothOpen({{45, 96}, {30, 98}, {26, 82}}), 7, skin);
    painter.setPen(style::outline(1.1));
    painter.setBrush(skin);
    for (auto [x, y, angle] : {std::tuple{22.5, 66.0, -14.0}, {29.5, 66.0, 12.0}}) {
        painter.save();
        painter.translate(x, y);
        painter.rotate(angle);
        painter.drawRoundedRect(QRectF(-1.8, -6.5, 3.6, 11), 1.8, 1.8);
        painter.restore();
    }
    painter.drawEllipse(QPointF(26, 76), 5.2, 5.6);
    fill(painter, shape({{36, 96}, {40, 88}, {48, 88}, {52, 96}, {44, 102}}),
         shaded(dress, QPointF(36, 88), QPointF(52, 102)));
}

void drawFace(QPainter& painter) {
    limb(painter, style::smoothOpen({{64, 78}, {64, 88}}), 8, skinShade);
    QRadialGradient face(QPointF(60, 56), 34, QPointF(56, 50));
    face.setColorAt(0, style::mix(skin, Qt::white, 0.4));
    face.setColorAt(0.7, skin);
    face.setColorAt(1, skinShade);
    fill(painter,
         shape({{40, 48},
                {46, 32},
                {64, 27},
                {82, 32},
                {88, 48},
                {86, 66},
                {76, 79},
                {64, 84},
                {52, 79},
                {42, 66}}),
         face);

    // Blush.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 120, 130, 90));
    painter.drawEllipse(QPointF(46, 69), 5, 3);
    painter.drawEllipse(QPointF(82, 69), 5, 3);

    // Open eye on the left.
    painter.setPen(style::outline(0.9));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(53, 59), 5.8, 7.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(eyeGreen);
    painter.drawEllipse(QPointF(54, 60), 4.3, 5.8);
    painter.setBrush(style::mix(eyeGreen, Qt::black, 0.7));
    painter.drawEllipse(QPointF(54.4, 61), 2.2, 3.0);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(52.4, 57.2), 1.7, 1.9);
    painter.drawEllipse(QPointF(56, 63.4), 0.8, 0.8);
    painter.setPen(style::outline(2.2));
    painter.setBrush(Qt::NoBrush);
    QPainterPath lashes;
    lashes.moveTo(46, 56);
    lashes.quadTo(52, 49.5, 60, 53.5);
    lashes.lineTo(62, 51.5);
    painter.drawPath(lashes);

    // Winking eye on the right.
    QPainterPath wink;
    wink.moveTo(68, 61);
    wink.quadTo(75, 53, 82, 61);
    painter.drawPath(wink);
    painter.setPen(style::outline(1.2));
    painter.drawLine(QPointF(81, 59.5), QPointF(84, 58));
    painter.drawLine(QPointF(82, 61), QPointF(85, 61.5));

    // Brows, nose and an open smile.
    painter.setPen(style::outline(1.3, hairDark));
    painter.drawPath(style::smoothOpen({{46, 46}, {52, 43.5}, {58, 45}}));
    painter.drawPath(style::smoothOpen({{70, 45}, {76, 43}, {82, 45.5}}));
    painter.setPen(style::outline(1.0, skinShade.darker(130)));
    painter.drawLine(QPointF(64, 66), QPointF(63.2, 68));
    QPainterPath mouth;
    mouth.moveTo(58, 71.5);
    mouth.quadTo(64, 73, 70, 71);
    mouth.quadTo(65, 80, 58, 71.5);
    painter.setPen(style::outline(1.0));
    painter.setBrush(QColor(150, 30, 40));
    painter.drawPath(mouth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 130, 140));
    painter.drawEllipse(QPointF(64.2, 75.2), 2.6, 1.4);
}

void drawFrontHair(QPainter& painter) {
    const QBrush brush = shaded(hair, QPointF(40, 14), QPointF(90, 60), 0.3, 0.3);
    // Fringe over the forehead.
    fill(painter,
         shape({{36, 56},
                {34, 34},
                {48, 16},
                {64, 12},
                {82, 16},
                {94, 34},
                {92, 56},
                {88, 42},
                {82, 46},
                {78, 34},
                {70, 44},
                {62, 33},
                {54, 44},
                {48, 35},
                {42, 48}}),
         brush);
    // Locks framing the face and falling over the shoulders.
    fill(painter, shape({{38, 40}, {44, 64}, {42, 90}, {46, 108}, {36, 104}, {32, 80}, {32, 52}}),
         brush);
    fill(painter, shape({{90, 40}, {96, 52}, {96, 80}, {92, 104}, {82, 108}, {86, 90}, {84, 64}}),
         brush);
    // A shine along the top of the head.
    painter.setPen(style::outline(2.2, style::withAlpha(hairLight, 210)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(style::smoothOpen({{44, 26}, {54, 19}, {64, 17}}));
    painter.setPen(style::outline(1.0, hairDark));
    painter.drawPath(style::smoothOpen({{36, 60}, {36, 82}, {40, 100}}));
    painter.drawPath(style::smoothOpen({{92, 60}, {92, 82}, {88, 100}}));
}

void drawJewellery(QPainter& painter) {
    painter.setPen(style::outline(0.9));
    painter.setBrush(shaded(gold, QPointF(0, 20), QPointF(0, 32), 0.5, 0.3));
    // Tiara with a red jewel.
    QPainterPath tiara;
    tiara.moveTo(48, 24);
    tiara.quadTo(64, 14, 80, 24);
    tiara.lineTo(79, 27);
    tiara.quadTo(64, 18, 49, 27);
    tiara.closeSubpath();
    painter.drawPath(tiara);
    painter.drawPath(shape({{64, 13}, {68, 19}, {64, 23}, {60, 19}}));
    painter.setBrush(QColor(230, 20, 60));
    painter.drawEllipse(QPointF(64, 18.4), 2.0, 2.4);

    // Earrings peeping out below the locks.
    painter.setBrush(shaded(gold, QPointF(0, 70), QPointF(0, 80), 0.5, 0.3));
    painter.drawEllipse(QPointF(42, 76), 2.0, 2.6);
    painter.drawEllipse(QPointF(86, 76), 2.0, 2.6);

    // Necklace with a heart-shaped pendant, and bracelets.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(style::outline(1.4, goldDark));
    painter.drawPath(style::smoothOpen({{56, 86}, {64, 93}, {72, 86}}));
    painter.setPen(style::outline(0.8));
    painter.setBrush(QColor(226, 24, 60));
    QPainterPath pendant;
    pendant.moveTo(64, 95);
    pendant.cubicTo(61, 91.5, 57.5, 94.5, 60, 97.5);
    pendant.lineTo(64, 101);
    pendant.lineTo(68, 97.5);
    pendant.cubicTo(70.5, 94.5, 67, 91.5, 64, 95);
    painter.drawPath(pendant);
    painter.setBrush(shaded(gold, QPointF(0, 80), QPointF(0, 90), 0.5, 0.3));
    painter.drawRoundedRect(QRectF(22, 82, 9, 3.4), 1.5, 1.5);
    painter.drawRoundedRect(QRectF(88, 111, 8, 3.4), 1.5, 1.5);
    // The cape's clasps on the shoulders.
    painter.drawEllipse(QPointF(50, 89), 2.6, 2.6);
    painter.drawEllipse(QPointF(78, 89), 2.6, 2.6);
}

} // namespace

void drawCharacter(QPainter& painter) {
    drawCape(painter);
    drawBackHair(painter);
    drawLegs(painter);
    drawDress(painter);
    drawHipArm(painter);
    drawFace(painter);
    drawFrontHair(painter);
    drawRaisedArm(painter);
    drawJewellery(painter);
}
