#pragma once

#include <QClipboard>

namespace tavrin {

// Whether the program that holds the clipboard (or the selection) answers within `timeoutMs`.
// Qt waits up to five seconds for an owner that does not answer, and does so for each thing
// it asks of a paste; this asks once, on a connection of its own, and no longer than given.
// True where it cannot be asked (not under X11) or where there is nothing to ask (no owner,
// or this program).
bool clipboardOwnerAnswers(QClipboard::Mode mode, int timeoutMs);

} // namespace tavrin
