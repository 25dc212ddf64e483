#include "drawings.h"
void drawAshtray(QPainter& p) {
    p.fillRect(QRectF(2, 2, 20, 20), Qt::red);
}
