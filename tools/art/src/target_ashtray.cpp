// Target "smoking": a glass ashtray with a cigarette burning in its notch.

#include "drawings.h"
#include "style.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>

namespace {

const QColor glass(150, 176, 196);
const QColor glassDark(84, 104, 126);
const QColor ash(170, 166, 160);
const QColor paper(250, 250, 246);
const QColor filter(230, 150, 70);
const QColor ember(255, 90, 20);

void drawTray(QPainter& painter) {
    // The outer wall: the lower half of an ellipse joined to the rim.
    QPainterPath wall;
    wall.moveTo(4, 34);
    wall.lineTo(6, 38);
    wall.arcTo(QRectF(6, 30, 52, 16), 180, 180);
    wall.lineTo(60, 34);
    wall.arcTo(QRectF(4, 25, 56, 18), 0, -180);
    wall.closeSubpath();
    QLinearGradient side(4, 0, 60, 0);
    side.setColorAt(0, glassDark);
    side.setColorAt(0.35, style::mix(glass, Qt::white, 0.4));
    side.setColorAt(1, glassDark);
    painter.setPen(style::outline(1.1));
    painter.setBrush(side);
    painter.drawPath(wall);

    QLinearGradient rim(0, 25, 0, 43);
    rim.setColorAt(0, style::mix(glass, Qt::white, 0.55));
    rim.setColorAt(1, glass);
    painter.setBrush(rim);
    painter.drawEllipse(QRectF(4, 25, 56, 18));
    // The dish inside the rim, with grey ash and a stubbed-out butt.
    painter.setBrush(glassDark);
    painter.drawEllipse(QRectF(10, 28.5, 44, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ash);
    painter.drawEllipse(QRectF(15, 32, 22, 6));
    painter.setBrush(style::mix(ash, Qt::white, 0.4));
    painter.drawEllipse(QRectF(18, 32.5, 10, 3));
    painter.setPen(style::outline(0.8));
    painter.setBrush(filter);
    painter.drawRoundedRect(QRectF(22, 33, 9, 3.2), 1.2, 1.2);
    // Rests cut into the rim on each side.
    painter.setBrush(glassDark);
    painter.drawEllipse(QRectF(3, 31.5, 6, 4));
    painter.drawEllipse(QRectF(55, 31.5, 6, 4));
    painter.setPen(style::outline(1.2, style::withAlpha(Qt::white, 180)));
    painter.drawArc(QRectF(8, 27, 48, 15), 110 * 16, 50 * 16);
}

void drawCigarette(QPainter& painter) {
    painter.save();
    painter.translate(38, 31);
    painter.rotate(-24);
    painter.setPen(style::outline(0.9));
    painter.setBrush(paper);
    painter.drawRect(QRectF(0, -2.3, 26, 4.6));
    QLinearGradient tip(0, -2.3, 0, 2.3);
    tip.setColorAt(0, style::mix(filter, Qt::white, 0.4));
    tip.setColorAt(1, filter.darker(120));
    painter.setBrush(tip);
    painter.drawRect(QRectF(26, -2.3, 10, 4.6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::withAlpha(filter.darker(160), 160));
    for (qreal x : {28.5, 31.5, 34.0})
        painter.drawEllipse(QPointF(x, x == 31.5 ? 0.8 : -0.6), 0.5, 0.5);
    // The burning end: a glowing ember under a short grey ash.
    painter.setPen(style::outline(0.8));
    painter.setBrush(ash);
    painter.drawRoundedRect(QRectF(-4.5, -2.3, 5.2, 4.6), 1.2, 1.2);
    QRadialGradient glow(QPointF(0.2, 0), 3.2);
    glow.setColorAt(0, QColor(255, 240, 120));
    glow.setColorAt(0.5, ember);
    glow.setColorAt(1, ember.darker(140));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawRect(QRectF(-0.6, -2.3, 2.4, 4.6));
    painter.restore();
}

void drawSmoke(QPainter& painter) {
    const QPainterPath curl =
        style::smoothOpen({{34.5, 31}, {31, 24}, {37, 17}, {32, 10}, {38, 5}, {35, 1}});
    QPainterPathStroker stroker;
    stroker.setWidth(3.6);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath ribbon = stroker.createStroke(curl);
    QLinearGradient fade(0, 31, 0, 0);
    fade.setColorAt(0, QColor(220, 224, 230, 230));
    fade.setColorAt(1, QColor(220, 224, 230, 40));
    painter.setPen(style::outline(0.7, QColor(110, 116, 128, 210)));
    painter.setBrush(fade);
    painter.drawPath(ribbon);
    painter.setPen(style::outline(0.6, QColor(130, 136, 146, 170)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(style::smoothOpen({{41, 20}, {45, 14}, {42, 8}, {46, 3}}));
}

} // namespace

void drawAshtray(QPainter& painter) {
    drawTray(painter);
    drawCigarette(painter);
    drawSmoke(painter);
}
