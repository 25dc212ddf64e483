#include "windows/sound_key.h"

#include "windows/game_window.h"
#include "windows/sound_choices.h"

#include <QKeyEvent>

namespace tavrin {

bool SoundKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers others =
        key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (key->key() != Qt::Key_M || others || key->isAutoRepeat())
        return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || !qobject_cast<const GameWindow*>(widget->window()))
        return false;
    if (widget->testAttribute(Qt::WA_InputMethodEnabled))
        return false; // a text box being typed in: the start window's instructions are editable
    sound_.toggleAll();
    return true;
}

} // namespace tavrin
