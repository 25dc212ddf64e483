#include "drawings.h"
void drawFattyFoods(QPainter& p) {
    p.fillRect(QRectF(2, 2, 20, 20), Qt::red);
}
