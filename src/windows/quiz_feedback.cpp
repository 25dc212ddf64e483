#include "windows/quiz_feedback.h"

#include <QAccessible>
#include <QKeyEvent>

namespace tavrin {

QuizFeedback::QuizFeedback(QWidget& quizWindow, const QRect& box) : QLabel(&quizWindow) {
    setObjectName("feedback");
    setAccessibleName(tr("解釋 (Explanation)"));
    setGeometry(box);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setMargin(2);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFont("細明體", 9));
    hide();
}

// How to go on closes the text when it fits; it is always in the tooltip and read out.
void QuizFeedback::present(const QString& text) {
    const QString hint = tr("（按 Enter、空白鍵或按一下繼續）");
    const QString withHint = text + "\n" + hint;
    setText(fits(withHint) ? withHint : text);
    setToolTip(hint);
    setAccessibleDescription(withHint);
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    QAccessibleEvent shown(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&shown);
}

bool QuizFeedback::fits(const QString& text) const {
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    return fontMetrics().boundingRect(area, Qt::TextWordWrap, text).height() <= area.height();
}

void QuizFeedback::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    finish();
}

void QuizFeedback::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        finish();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void QuizFeedback::finish() {
    if (!isVisible())
        return;
    hide();
    emit goOn();
}

QString feedbackText(bool right, const QString& rightChoice, const QString& explanation) {
    QString text = right ? QuizFeedback::tr("答對了！") : QuizFeedback::tr("答錯了。");
    text += " " + QuizFeedback::tr("正確答案：%1").arg(rightChoice);
    if (!explanation.isEmpty())
        text += "\n" + explanation;
    return text;
}

} // namespace tavrin
