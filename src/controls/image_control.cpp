#include "controls/image_control.h"

#include "controls/activation_key.h"
#include "layouts/layout.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavrin {

void drawSunkenFrame(QPainter& painter, const QRect& r) {
    const QColor shadow(0x80, 0x80, 0x80), dark(0x40, 0x40, 0x40), light(0xFF, 0xFF, 0xFF);
    const QColor face = layout::btnFace();
    auto edge = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
        const QRect e = r.adjusted(inset, inset, -inset - 1, -inset - 1);
        painter.setPen(topLeft);
        painter.drawLine(e.topLeft(), e.topRight());
        painter.drawLine(e.topLeft(), e.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(e.bottomLeft(), e.bottomRight());
        painter.drawLine(e.topRight(), e.bottomRight());
    };
    edge(0, shadow, light);
    edge(1, dark, face);
}

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void ImageControl::setPicture(const QPixmap& picture) {
    if (picture.cacheKey() == picture_.cacheKey())
        return; // the target clock sets all six digits every 10 ms; redraw only changes
    picture_ = picture;
    fitToPicture();
    update();
}

void ImageControl::setStretch(bool stretch) {
    stretch_ = stretch;
    fitToPicture();
    update();
}

void ImageControl::setBorder(bool sunken) {
    border_ = sunken;
    update();
}

void ImageControl::setCentered(bool centered) {
    centered_ = centered;
    update();
}

void ImageControl::fitToPicture() {
    if (stretch_ || centered_ || picture_.isNull())
        return;
    // An unstretched image takes the picture's own size, keeping its top-left corner.
    resize(picture_.deviceIndependentSize().toSize());
}

void ImageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, stretch_);
    if (!picture_.isNull()) {
        if (stretch_)
            painter.drawPixmap(rect(), picture_);
        else if (centered_)
            painter.drawPixmap((QRectF(rect()).center() -
                                QRectF(QPointF(), picture_.deviceIndependentSize()).center())
                                   .toPoint(),
                               picture_);
        else
            painter.drawPixmap(0, 0, picture_);
    }
    if (border_)
        drawSunkenFrame(painter, rect());
}

void ImageControl::keyPressEvent(QKeyEvent* event) {
    if (focusPolicy() == Qt::NoFocus || !isActivationKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        activate();
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    emit pressed(event);
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
    emit dragged(event);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasPressed = pressed_;
    pressed_ = false;
    emit released(event);
    if (wasPressed && inside && event->button() == Qt::LeftButton)
        emit clicked();
}

} // namespace tavrin
