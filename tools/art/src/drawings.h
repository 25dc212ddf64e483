#pragma once

#include <QPainter>

// The drawing of each picture, in the picture's own pixel coordinates.
void drawRedDigit(QPainter& painter, int digit);
void drawRedColon(QPainter& painter);
void drawRedMinus(QPainter& painter);
void drawDiceNumeral(QPainter& painter, int value);
void drawHeartTile(QPainter& painter, int kind);
void drawCharacter(QPainter& painter);
void drawAnatomicalHeart(QPainter& painter);
void drawOldMap(QPainter& painter);
void drawWood(QPainter& painter);
void drawGreenBall(QPainter& painter);
void drawGreenBands(QPainter& painter);
void drawCreature(QPainter& painter);
void drawWordPlate(QPainter& painter, const QString& word, QSizeF size);
void drawShieldInfo(QPainter& painter);
void drawShieldHelp(QPainter& painter);
void drawShieldSearch(QPainter& painter);
void drawShieldExit(QPainter& painter);
void drawAshtray(QPainter& painter);
void drawFattyFoods(QPainter& painter);
void drawFriedFood(QPainter& painter);
void drawSleeper(QPainter& painter);
void drawArmchair(QPainter& painter);
// In a 256-unit square, for an icon of the given size in pixels.
void drawAppIcon(QPainter& painter, int pixels);
