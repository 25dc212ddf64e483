#pragma once

#include <QKeyEvent>

namespace tavrin {

// Enter, Return or Space without Ctrl, Alt or Meta: the keys that press what has the focus.
// A key held down acts once: its repeats would throw the die again and again.
inline bool isActivationKey(const QKeyEvent& event) {
    const int key = event.key();
    const bool pressKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    const auto modifiers =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return pressKey && modifiers == Qt::NoModifier;
}

} // namespace tavrin
