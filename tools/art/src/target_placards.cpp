#include "drawings.h"
void drawPlacards(QPainter& p) {
    p.fillRect(QRectF(2, 2, 20, 20), Qt::red);
}
