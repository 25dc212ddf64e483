#include "controls/label_control.h"

#include "controls/accessible.h"
#include "controls/activation_key.h"
#include "controls/image_control.h"
#include "layouts/layout.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavrin {

LabelControl::LabelControl(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void LabelControl::setCaption(const QString& caption) {
    const QString old = text();
    setText(caption);
    if (old != caption) {
        accessible::textChanged(*this, old);
        emit captionChanged();
    }
}

void LabelControl::setSunkenBorder(bool sunken) {
    sunken_ = sunken;
    setContentsMargins(sunken ? 2 : 0, sunken ? 2 : 0, sunken ? 2 : 0, sunken ? 2 : 0);
    update();
}

void LabelControl::setOpaque(bool opaque) {
    setAutoFillBackground(opaque);
    QPalette p = palette();
    p.setColor(QPalette::Window, layout::btnFace());
    setPalette(p);
}

void LabelControl::keyPressEvent(QKeyEvent* event) {
    if (focusPolicy() == Qt::NoFocus || !isActivationKey(*event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        activate();
}

void LabelControl::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void LabelControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool completesClick = pressed_ && event->button() == Qt::LeftButton &&
                                rect().contains(event->position().toPoint());
    pressed_ = false;
    if (completesClick)
        emit clicked();
}

void LabelControl::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (sunken_) {
        QPainter painter(this);
        drawSunkenFrame(painter, rect());
    }
}

} // namespace tavrin
