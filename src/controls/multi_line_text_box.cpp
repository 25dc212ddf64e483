#include "controls/multi_line_text_box.h"

#include <QMimeData>

namespace tavrin {
namespace {

bool hasData(const QMimeData* source) {
    return source && !source->formats().isEmpty();
}

} // namespace

bool MultiLineTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return hasData(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void MultiLineTextBox::insertFromMimeData(const QMimeData* source) {
    if (hasData(source))
        QPlainTextEdit::insertFromMimeData(source);
}

} // namespace tavrin
