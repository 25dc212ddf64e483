#pragma once

#include <QPlainTextEdit>

namespace tavrin {

// An editable multi-line text box. Qt 6.4's text control crashes when asked to paste data
// that has no format at all, which is what an empty clipboard or selection of a fresh X
// session offers to Ctrl+V, Shift+Insert and a middle click: such a paste does nothing here.
// A paste takes the first 64 KiB of the text: laying out a huge paste would hold the game for
// seconds, and no instruction is that long. A clipboard owner that does not answer costs a
// second at most, and the paste does nothing.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr qsizetype kMaxPasteBytes = 64 * 1024;

    explicit MultiLineTextBox(QWidget* parent = nullptr) : QPlainTextEdit(parent) {}

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace tavrin
