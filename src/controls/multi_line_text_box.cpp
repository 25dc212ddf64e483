#include "controls/multi_line_text_box.h"

#include "platform/clipboard_owner.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>

namespace tavrin {
namespace {

// A clipboard or selection whose owner does not answer within a second gives nothing, before
// Qt would wait five seconds for each of its questions.
bool ownerAnswers(const QMimeData* source) {
    constexpr int kPatienceMs = 1000;
    // Qt may ask whether a paste can be taken, then take it: one wait for both.
    static QElapsedTimer sinceSilence;
    if (sinceSilence.isValid() && sinceSilence.elapsed() < 2 * kPatienceMs)
        return false;
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection})
        if (source == QGuiApplication::clipboard()->mimeData(mode)) {
            if (clipboardOwnerAnswers(mode, kPatienceMs))
                return true;
            sinceSilence.start();
            return false;
        }
    return true; // dropped, not pasted
}

bool hasData(const QMimeData* source) {
    return source && ownerAnswers(source) && !source->formats().isEmpty();
}

// The text's first kMaxPasteBytes in UTF-8, cut between characters.
QString limited(const QString& text) {
    constexpr qsizetype max = MultiLineTextBox::kMaxPasteBytes;
    if (text.size() * 3 <= max) // no character takes more than 3 UTF-8 bytes per UTF-16 unit
        return text;
    QByteArray bytes = text.left(max).toUtf8();
    if (bytes.size() <= max)
        return QString::fromUtf8(bytes);
    qsizetype end = max;
    while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
        --end; // back to the first byte of the character that does not fit
    bytes.truncate(end);
    return QString::fromUtf8(bytes);
}

} // namespace

bool MultiLineTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return hasData(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void MultiLineTextBox::insertFromMimeData(const QMimeData* source) {
    if (hasData(source) && source->hasText())
        insertPlainText(limited(source->text()));
}

} // namespace tavrin
