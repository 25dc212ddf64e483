#include "controls/picture_box.h"

#include "layouts/layout.h"

#include <QPainter>

namespace tavrin {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QPixmap& picture) {
    if (picture.cacheKey() == picture_.cacheKey())
        return; // the status strip sets every box five times a second; redraw only changes
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), layout::windowColor());
    painter.drawPixmap(1, 1, picture_);
    painter.setPen(layout::windowText());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tavrin
