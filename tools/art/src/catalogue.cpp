#include "catalogue.h"

#include "drawings.h"

std::vector<Picture> catalogue() {
    std::vector<Picture> pictures;
    auto add = [&](QString name, int width, int height, bool transparent,
                   std::function<void(QPainter&)> draw) {
        pictures.push_back({std::move(name), QSize(width, height), transparent, std::move(draw)});
    };
    for (int digit = 0; digit <= 9; ++digit)
        add(QString("RedDigit_%1").arg(digit), 16, 21, false,
            [digit](QPainter& p) { drawRedDigit(p, digit); });
    add("RedDigit_10", 9, 21, false, drawRedColon);
    add("RedDigit_minus", 16, 21, false, drawRedMinus);
    for (int value = 1; value <= 6; ++value)
        add(QString("DiceGra_%1").arg(value), 70, 100, true,
            [value](QPainter& p) { drawDiceNumeral(p, value); });
    for (int kind = 0; kind <= 3; ++kind)
        add(QString("imgTiles_%1").arg(kind), 56, 50, true,
            [kind](QPainter& p) { drawHeartTile(p, kind); });
    add("imgTarget_0", 74, 48, true, drawAshtray);
    add("imgTarget_1", 85, 66, true, drawFattyFoods);
    add("imgTarget_2", 86, 50, true, drawFriedFood);
    add("imgTarget_3", 70, 57, true, drawSleeper);
    add("imgTarget_4", 63, 54, true, drawArmchair);
    add("picCharacter", 128, 200, true, drawCharacter);
    add("picHeart", 119, 180, true, drawAnatomicalHeart);
    add("picOldMap", 453, 447, false, drawOldMap);
    add("picWood", 420, 247, false, drawWood);
    add("picGreenBall", 132, 131, false, drawGreenBall);
    add("picGreenBands", 486, 148, false, drawGreenBands);
    add("icoCreature", 32, 32, true, drawCreature);
    add("picWordScore", 86, 37, true,
        [](QPainter& p) { drawWordPlate(p, "SCORE", QSizeF(86, 37)); });
    add("picWordTrial", 70, 37, true,
        [](QPainter& p) { drawWordPlate(p, "TRIAL", QSizeF(70, 37)); });
    // The English edition's word for the throw count, on a plate of the same size.
    add("picWordThrows", 70, 37, true,
        [](QPainter& p) { drawWordPlate(p, "THROWS", QSizeF(70, 37)); });
    add("picShieldInfo", 40, 50, true, drawShieldInfo);
    add("picShieldHelp", 40, 50, true, drawShieldHelp);
    add("picShieldSearch", 40, 50, true, drawShieldSearch);
    add("picShieldExit", 40, 50, true, drawShieldExit);
    return pictures;
}
