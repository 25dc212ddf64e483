#include "windows/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace tavrin {

FindBar::FindBar(QTextBrowser& page, QWidget* parent)
    : QWidget(parent), page_(page), field_(new QLineEdit(this)), result_(new QLabel(this)) {
    auto* label = new QLabel(tr("尋找 (Find):"), this);
    label->setBuddy(field_);
    label->setTextFormat(Qt::PlainText);
    field_->setObjectName("findField");
    field_->setAccessibleName(tr("尋找 (Find)"));
    field_->installEventFilter(this);
    auto* previous = new QPushButton(tr("上一個 (Previous)"), this);
    previous->setObjectName("findPrevious");
    auto* next = new QPushButton(tr("下一個 (Next)"), this);
    next->setObjectName("findNext");
    result_->setTextFormat(Qt::PlainText);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(field_, 1);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(result_);
    connect(previous, &QPushButton::clicked, this, [this] { find(true); });
    connect(next, &QPushButton::clicked, this, [this] { find(false); });
    connect(field_, &QLineEdit::textEdited, this, &FindBar::findFromSelectionStart);
    hide();
}

void FindBar::open() {
    show();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

void FindBar::putAway() {
    hide();
    result_->clear();
    page_.setFocus(Qt::OtherFocusReason);
}

QString FindBar::result() const {
    return result_->text();
}

bool FindBar::find(bool backwards) {
    const QString words = field_->text();
    result_->clear();
    if (words.isEmpty())
        return false;
    const QTextDocument::FindFlags direction =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (page_.find(words, direction))
        return true;
    // Round the end of the page, from the other end; where the search began if in vain.
    const QTextCursor before = page_.textCursor();
    QTextCursor fromEnd(page_.document());
    fromEnd.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
    page_.setTextCursor(fromEnd);
    if (page_.find(words, direction))
        return true;
    page_.setTextCursor(before);
    result_->setText(tr("找不到 (Not found)"));
    return false;
}

// While the words are typed, the place found grows with them instead of moving on.
void FindBar::findFromSelectionStart() {
    QTextCursor cursor = page_.textCursor();
    cursor.setPosition(cursor.selectionStart());
    page_.setTextCursor(cursor);
    find(false);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_ || event->type() != QEvent::KeyPress)
        return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        find(key.modifiers() & Qt::ShiftModifier);
        return true;
    case Qt::Key_Escape:
        putAway();
        return true;
    default:
        return false;
    }
}

} // namespace tavrin
