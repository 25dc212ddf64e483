#include "controls/reading_control.h"

#include "controls/accessible.h"

namespace tavrin {

ReadingControl::ReadingControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    accessible::setRole(*this, accessible::Role::Text);
}

void ReadingControl::setReading(const QString& reading) {
    if (reading == reading_)
        return;
    reading_ = reading;
    accessible::setName(*this, reading);
}

} // namespace tavrin
