// The board's background: an old circular world map tinted rose-pink on pale parchment,
// framed by a ring of wind names, with an empty circle in each top corner and scrolls in the
// bottom corners. Squares and the character are drawn on top of it, so it stays light and
// low in contrast.

#include "drawings.h"
#include "style.h"
#include "texture.h"

#include <QFontMetricsF>
#include <QRadialGradient>
#include <cmath>

namespace {

const QPointF centre(226.5, 226);
const qreal ringOuter = 213;
const qreal ringInner = 191;
const qreal worldRadius = 187;

const QColor parchment(248, 238, 226);
const QColor parchmentDark(226, 204, 188);
const QColor rose(206, 122, 140);
const QColor roseInk(170, 84, 106);
const QColor roseLand(240, 192, 198);
const QColor sea(252, 244, 242);

qreal radians(qreal degrees) {
    return degrees * M_PI / 180;
}

QColor parchmentAt(double x, double y) {
    const double stain = fractalNoise(x / 70.0, y / 70.0, 4, 3);
    const double grain = fractalNoise(x / 6.0, y / 6.0, 2, 17);
    const double edge = std::hypot((x - 226.5) / 226.5, (y - 223.5) / 223.5);
    const double age =
        std::clamp(0.55 * stain + 0.15 * grain + 0.5 * std::pow(edge, 4) - 0.35, 0.0, 1.0);
    return style::mix(parchment, parchmentDark, age);
}

// Lambert azimuthal equal-area view centred on the old world, scaled so that everything
// within 108 degrees of the centre falls inside the map's circle.
QPointF project(qreal longitude, qreal latitude) {
    const qreal lon0 = radians(40), lat0 = radians(20);
    const qreal lon = radians(longitude), lat = radians(latitude);
    const qreal k = std::sqrt(2 / (1 + std::sin(lat0) * std::sin(lat) +
                                   std::cos(lat0) * std::cos(lat) * std::cos(lon - lon0)));
    const qreal x = k * std::cos(lat) * std::sin(lon - lon0);
    const qreal y = k * (std::cos(lat0) * std::sin(lat) -
                         std::sin(lat0) * std::cos(lat) * std::cos(lon - lon0));
    const qreal scale = worldRadius / (2 * std::sin(radians(108) / 2));
    return centre + QPointF(x, -y) * scale;
}

using Outline = QList<QPointF>; // longitude, latitude pairs

// Rough coastlines, in the spirit of an old map rather than a survey.
const QList<Outline>& landmasses() {
    static const QList<Outline> land = {
        // Europe and Asia
        {{-10, 36}, {-9, 43},  {-2, 44},  {-5, 48},  {2, 51},   {8, 54},   {10, 57},  {5, 59},
         {5, 62},   {14, 68},  {25, 71},  {40, 68},  {45, 68},  {60, 69},  {70, 73},  {80, 73},
         {100, 78}, {115, 74}, {130, 71}, {140, 72}, {160, 70}, {178, 69}, {180, 65}, {170, 60},
         {160, 58}, {156, 51}, {150, 60}, {140, 54}, {136, 45}, {130, 42}, {128, 38}, {122, 40},
         {120, 36}, {122, 30}, {118, 24}, {108, 21}, {106, 16}, {109, 12}, {105, 9},  {100, 13},
         {100, 6},  {104, 1},  {98, 8},   {97, 16},  {92, 21},  {87, 21},  {80, 15},  {77, 8},
         {73, 18},  {70, 22},  {67, 25},  {60, 25},  {57, 22},  {59, 22},  {56, 17},  {52, 16},
         {44, 12},  {42, 16},  {36, 26},  {33, 28},  {35, 32},  {36, 36},  {28, 37},  {27, 41},
         {24, 38},  {23, 40},  {20, 40},  {16, 38},  {19, 42},  {14, 45},  {12, 44},  {16, 40},
         {12, 38},  {8, 44},   {3, 43},   {-1, 37},  {-5, 36}},
        // Africa
        {{-17, 15}, {-17, 21}, {-13, 28}, {-10, 30}, {-6, 36},  {10, 37},  {11, 33},  {20, 31},
         {25, 32},  {32, 31},  {34, 28},  {38, 22},  {43, 12},  {51, 12},  {48, 5},   {41, -2},
         {40, -10}, {35, -24}, {33, -26}, {28, -33}, {20, -35}, {18, -31}, {14, -22}, {12, -13},
         {13, -6},  {9, 0},    {9, 4},    {5, 5},    {-4, 5},   {-8, 4},   {-13, 8}},
        // North America
        {{-165, 65}, {-158, 71}, {-140, 70}, {-125, 70}, {-110, 68}, {-95, 69},  {-85, 70},
         {-80, 63},  {-94, 59},  {-88, 56},  {-80, 52},  {-78, 58},  {-70, 60},  {-64, 58},
         {-56, 52},  {-60, 47},  {-66, 44},  {-70, 42},  {-76, 38},  {-76, 35},  {-81, 31},
         {-80, 26},  {-82, 26},  {-84, 30},  {-90, 30},  {-97, 28},  {-97, 22},  {-94, 18},
         {-88, 21},  {-87, 16},  {-83, 10},  {-78, 8},   {-86, 12},  {-92, 14},  {-105, 20},
         {-112, 30}, {-118, 34}, {-124, 40}, {-124, 48}, {-132, 55}, {-140, 60}, {-150, 60},
         {-158, 57}, {-165, 55}},
        // South America
        {{-78, 8},   {-72, 12},  {-62, 11},  {-52, 5},   {-50, 0},   {-44, -2},
         {-35, -6},  {-39, -14}, {-41, -22}, {-48, -26}, {-53, -34}, {-58, -38},
         {-62, -40}, {-65, -45}, {-68, -51}, {-70, -55}, {-74, -52}, {-75, -45},
         {-73, -37}, {-71, -28}, {-70, -18}, {-76, -14}, {-81, -6},  {-80, 0}},
        {{-55, 60},
         {-44, 60},
         {-40, 65},
         {-22, 70},
         {-20, 75},
         {-18, 80},
         {-30, 83},
         {-50, 82},
         {-65, 80},
         {-73, 78},
         {-58, 75},
         {-54, 70},
         {-52, 65}}, // Greenland
        {{114, -22},
         {122, -18},
         {130, -12},
         {136, -12},
         {137, -16},
         {142, -11},
         {146, -19},
         {153, -26},
         {150, -37},
         {146, -39},
         {140, -38},
         {135, -34},
         {130, -32},
         {115, -34}},
        {{-5, 50}, {1, 51}, {0, 53}, {-3, 56}, {-5, 58}, {-6, 56}, {-3, 54}, {-5, 52}},
        {{-10, 52}, {-6, 52}, {-6, 55}, {-8, 55}},
        {{-24, 64}, {-14, 64}, {-14, 66}, {-22, 66}},
        {{130, 31}, {135, 34}, {140, 35}, {142, 40}, {141, 45}, {139, 42}, {136, 37}, {131, 34}},
        {{44, -25}, {47, -25}, {50, -16}, {49, -12}, {44, -16}},
        {{109, 1}, {113, -3}, {117, -4}, {119, 5}, {117, 7}, {112, 2}},
        {{95, 5}, {98, 4}, {106, -6}, {104, -5}},
        {{131, -1}, {141, -3}, {150, -10}, {142, -9}, {135, -4}},
        {{80, 10}, {82, 7}, {81, 6}, {80, 8}},
    };
    return land;
}

QPainterPath landPath() {
    QPainterPath all;
    for (const Outline& outline : landmasses()) {
        QList<QPointF> points;
        for (const QPointF& place : outline)
            points << project(place.x(), place.y());
        all.addPath(style::smoothClosed(points));
    }
    return all;
}

void drawGraticule(QPainter& painter) {
    painter.setPen(style::outline(0.6, style::withAlpha(rose, 90)));
    painter.setBrush(Qt::NoBrush);
    for (int longitude = -180; longitude < 180; longitude += 30) {
        QPainterPath meridian(project(longitude, -80));
        for (int latitude = -78; latitude <= 80; latitude += 2)
            meridian.lineTo(project(longitude, latitude));
        painter.drawPath(meridian);
    }
    for (int latitude = -60; latitude <= 60; latitude += 30) {
        QPainterPath parallel(project(-180, latitude));
        for (int longitude = -178; longitude <= 180; longitude += 2)
            parallel.lineTo(project(longitude, latitude));
        painter.drawPath(parallel);
    }
}

// Rhumb lines radiating from the centre, as on a sailing chart.
void drawRhumbLines(QPainter& painter) {
    painter.setPen(style::outline(0.5, style::withAlpha(rose, 70)));
    for (int direction = 0; direction < 32; ++direction) {
        const qreal angle = radians(direction * 360.0 / 32);
        painter.drawLine(centre, centre + QPointF(std::sin(angle), -std::cos(angle)) * worldRadius);
    }
}

void drawWaves(QPainter& painter, const QPainterPath& land) {
    painter.setPen(style::outline(0.7, style::withAlpha(rose, 120)));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 90; ++i) {
        const qreal angle = 2 * M_PI * valueNoise(i * 7.3, 1.5, 71);
        const qreal distance = worldRadius * std::sqrt(valueNoise(i * 5.1, 9.5, 73)) * 0.95;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * distance;
        if (land.intersects(QRectF(at - QPointF(6, 4), QSizeF(12, 8))))
            continue;
        QPainterPath wave(at + QPointF(-4, 0));
        wave.quadTo(at + QPointF(-2, -2), at);
        wave.quadTo(at + QPointF(2, 2), at + QPointF(4, 0));
        painter.drawPath(wave);
    }
}

void drawLand(QPainter& painter, const QPainterPath& land) {
    // A soft band of colour inside each coast, the way old maps were washed by hand.
    painter.setBrush(Qt::NoBrush);
    painter.save();
    painter.setClipPath(land);
    painter.setPen(style::outline(5, style::withAlpha(rose, 70)));
    painter.drawPath(land);
    painter.restore();
    painter.setPen(style::outline(0.9, style::withAlpha(roseInk, 200)));
    painter.drawPath(land);
}

void drawCompassRose(QPainter& painter) {
    painter.save();
    painter.translate(centre);
    for (int point = 0; point < 8; ++point) {
        const bool main = point % 2 == 0;
        const qreal length = main ? 34 : 20, half = main ? 6 : 4.5;
        QPainterPath ray;
        ray.moveTo(0, -length);
        ray.lineTo(half, -half);
        ray.lineTo(0, 0);
        ray.lineTo(-half, -half);
        ray.closeSubpath();
        painter.setPen(style::outline(0.7, style::withAlpha(roseInk, 190)));
        painter.setBrush(style::withAlpha(main ? rose : roseLand, 150));
        painter.drawPath(ray);
        painter.rotate(45);
    }
    painter.setBrush(parchment);
    painter.drawEllipse(QPointF(0, 0), 3, 3);
    painter.restore();
}

void drawWorld(QPainter& painter) {
    QPainterPath disc;
    disc.addEllipse(centre, worldRadius, worldRadius);
    painter.save();
    painter.setClipPath(disc);
    QRadialGradient water(centre, worldRadius);
    water.setColorAt(0, style::withAlpha(sea, 200));
    water.setColorAt(1, style::withAlpha(style::mix(sea, rose, 0.12), 200));
    painter.fillRect(QRectF(0, 0, 453, 447), water);
    drawRhumbLines(painter);
    drawGraticule(painter);
    const QPainterPath land = landPath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::withAlpha(roseLand, 190));
    painter.drawPath(land);
    drawLand(painter, land);
    drawWaves(painter, land);
    drawCompassRose(painter);
    painter.restore();
}

// The twelve classical winds, starting with the north wind at the top and going clockwise.
const QStringList windNames = {"SEPTENTRIO", "AQUILO",   "CAECIAS", "SUBSOLANUS",
                               "VULTURNUS",  "EURUS",    "AUSTER",  "LIBONOTUS",
                               "AFRICUS",    "FAVONIUS", "CORUS",   "CIRCIUS"};

void drawArcText(QPainter& painter, const QString& text, qreal centreAngle, qreal radius,
                 const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal spacing = 0.9;
    qreal width = 0;
    for (const QChar letter : text)
        width += metrics.horizontalAdvance(letter) + spacing;
    qreal angle = centreAngle - (width / radius) / 2;
    for (const QChar letter : text) {
        const qreal advance = metrics.horizontalAdvance(letter);
        painter.save();
        painter.translate(centre);
        painter.rotate((angle + advance / 2 / radius) * 180 / M_PI);
        QPainterPath glyph;
        glyph.addText(-advance / 2, -radius, font, letter);
        painter.drawPath(glyph);
        painter.restore();
        angle += (advance + spacing) / radius;
    }
}

void drawWindRing(QPainter& painter) {
    QPainterPath ring;
    ring.addEllipse(centre, ringOuter, ringOuter);
    ring.addEllipse(centre, ringInner, ringInner);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::withAlpha(roseLand, 110));
    painter.drawPath(ring);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(style::outline(1.4, roseInk));
    painter.drawEllipse(centre, ringOuter, ringOuter);
    painter.drawEllipse(centre, ringInner, ringInner);
    painter.setPen(style::outline(0.6, roseInk));
    painter.drawEllipse(centre, ringOuter - 2.5, ringOuter - 2.5);
    painter.drawEllipse(centre, ringInner + 2.5, ringInner + 2.5);

    const QFont font = style::bookSerif(10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(roseInk);
    const qreal baseline = (ringOuter + ringInner) / 2 - 4;
    for (int wind = 0; wind < windNames.size(); ++wind) {
        const qreal angle = 2 * M_PI * wind / windNames.size();
        drawArcText(painter, windNames[wind], angle, baseline, font);
        // A small lozenge between neighbouring names.
        const qreal between = angle + M_PI / windNames.size();
        const QPointF at =
            centre + QPointF(std::sin(between), -std::cos(between)) * (ringOuter + ringInner) / 2;
        painter.drawEllipse(at, 1.6, 1.6);
    }
}

void drawCornerCircle(QPainter& painter, QPointF at) {
    painter.setBrush(style::withAlpha(parchment, 160));
    painter.setPen(style::outline(1.4, roseInk));
    painter.drawEllipse(at, 29, 29);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(style::outline(0.6, roseInk));
    painter.drawEllipse(at, 26, 26);
    for (int tick = 0; tick < 24; ++tick) {
        const qreal angle = 2 * M_PI * tick / 24;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(at + direction * 26, at + direction * 29);
    }
}

// A rolled scroll end with a curling flourish, mirrored for the right-hand corner.
void drawScroll(QPainter& painter, QPointF at, bool mirrored) {
    painter.save();
    painter.translate(at);
    if (mirrored)
        painter.scale(-1, 1);
    painter.setPen(style::outline(1.2, roseInk));
    painter.setBrush(style::withAlpha(roseLand, 200));
    painter.drawPath(style::smoothClosed({{-22, -6}, {20, -12}, {26, 0}, {20, 10}, {-20, 14}}));
    QPainterPath curl;
    for (int step = 0; step <= 60; ++step) {
        const qreal t = step / 60.0 * 3.2 * M_PI;
        const qreal r = 11 * (1 - t / (3.6 * M_PI));
        const QPointF point(-22 + r * std::cos(t + M_PI), 2 + r * std::sin(t + M_PI));
        step == 0 ? curl.moveTo(point) : curl.lineTo(point);
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curl);
    painter.drawPath(style::smoothOpen({{26, 0}, {34, -10}, {30, -20}, {22, -18}, {24, -12}}));
    painter.drawPath(style::smoothOpen({{-6, -8}, {4, -22}, {16, -26}, {20, -20}}));
    painter.restore();
}

} // namespace

void drawOldMap(QPainter& painter) {
    paintPixels(painter, QSizeF(453, 447), parchmentAt);
    drawWorld(painter);
    drawWindRing(painter);
    drawCornerCircle(painter, QPointF(34, 34));
    drawCornerCircle(painter, QPointF(419, 34));
    drawScroll(painter, QPointF(36, 418), false);
    drawScroll(painter, QPointF(417, 418), true);
}
