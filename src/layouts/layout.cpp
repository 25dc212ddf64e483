#include "layouts/layout.h"

namespace tavrin::layout {

QColor btnFace() {
    return QColor(0xD4, 0xD0, 0xC8);
}
QColor btnText() {
    return Qt::black;
}
QColor windowColor() {
    return Qt::white;
}
QColor windowText() {
    return Qt::black;
}
QColor activeCaption() {
    return QColor(0x0A, 0x24, 0x6A);
}

} // namespace tavrin::layout
