#include "controls/focus_mark.h"

#include "controls/accessible.h"
#include "controls/label_control.h"

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
    if (control_) {
        control_->removeEventFilter(this);
        disconnect(control_, nullptr, this, nullptr);
    }
    control_ = control;
    if (!control || !control->parentWidget()) {
        hide();
        return;
    }
    if (parentWidget() != control->parentWidget())
        setParent(control->parentWidget());
    control->installEventFilter(this);
    // A new caption has words of another width.
    if (auto* label = qobject_cast<LabelControl*>(control))
        connect(label, &LabelControl::captionChanged, this, &FocusMark::fit);
    fit();
}

void FocusMark::fit() {
    if (!control_ || !control_->isVisible()) {
        hide();
        return;
    }
    setGeometry(markedArea(*control_).adjusted(-kMargin, -kMargin, kMargin, kMargin));
    stackJustAboveControl();
    show();
}

// Over its control, but under the captions in front of it: where the margin reaches a
// neighbouring caption, its words stay whole over the outline.
void FocusMark::stackJustAboveControl() {
    const QObjectList& siblings = parentWidget()->children();
    bool aboveControl = false;
    for (QObject* sibling : siblings) {
        if (aboveControl && sibling != this && sibling->isWidgetType()) {
            stackUnder(static_cast<QWidget*>(sibling));
            return;
        }
        aboveControl = aboveControl || sibling == control_;
    }
    raise();
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
