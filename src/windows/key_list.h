#pragma once

#include <QString>

namespace tavrin {

// Every key of the game as one text, place by place, for the "How to play" window (the README
// shows the same list).
QString keyListText();

// The keys of a control whose design has a tooltip, as the tooltip shows them ("[F1]"), or
// nothing when no key acts on it.
QString keyHint(const QString& windowName, const QString& controlName);

} // namespace tavrin
