#include "drawings.h"
void drawArmchair(QPainter& p) {
    p.fillRect(QRectF(2, 2, 20, 20), Qt::red);
}
