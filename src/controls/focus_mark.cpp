#include "controls/focus_mark.h"

#include "controls/accessible.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace tavrin {
namespace {

// What the mark goes round: a caption's words (its box is often much wider, and may overlap
// other captions), else the whole control.
QRect markedArea(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    if (!label)
        return control.geometry();
    const QFontMetrics metrics = label->fontMetrics();
    QRect words = metrics.boundingRect(label->contentsRect(), label->alignment() | Qt::TextWordWrap,
                                       label->text());
    if (label->font().italic()) // slanted letters lean out of their advance on the right
        words.adjust(0, 0, metrics.height() / 5, 0);
    return words.translated(control.pos());
}

} // namespace

FocusMark::FocusMark(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    accessible::hide(*this);
    hide();
}

void FocusMark::follow(QWidget* control) {
    if (control_)
        control_->removeEventFilter(this);
    control_ = control;
    if (!control || !control->parentWidget()) {
        hide();
        return;
    }
    if (parentWidget() != control->parentWidget())
        setParent(control->parentWidget());
    control->installEventFilter(this);
    fit();
}

void FocusMark::fit() {
    if (!control_ || !control_->isVisible()) {
        hide();
        return;
    }
    setGeometry(markedArea(*control_).adjusted(-kMargin, -kMargin, kMargin, kMargin));
    raise();
    show();
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            fit();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Gold leaf with a dark amber edge: it stands out on the light wood, the green balls and the
// grey buttons alike.
void FocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QRectF outline = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(QColor(0x6B, 0x45, 0x00, 150), 3));
    painter.drawRoundedRect(outline, 5, 5);
    painter.setPen(QPen(QColor(0xFF, 0xD2, 0x4A), 1.6));
    painter.drawRoundedRect(outline, 5, 5);
}

} // namespace tavrin
