#pragma once

#include "controls/accessible.h"

#include <QRect>
#include <QString>
#include <QWidget>
#include <array>

namespace tavrin {

class GameWindow;
class ReadingControl;

// What windows use to describe themselves to assistive technology, in Chinese and English as
// the game's own texts are: readings say in words what LED digits and the board's squares
// show, and decoration is left out.

// Names a control as the design's tooltip does, without the key added to it since.
void nameByTooltip(const GameWindow& window, QWidget& control, accessible::Role role);

// A reading over the pictures it stands for, so that a reader's highlight falls on them.
ReadingControl& addReading(GameWindow& window, const QString& name, const QRect& over);

template <class Control, std::size_t N> QRect boxOf(const std::array<Control*, N>& row) {
    QRect box;
    for (const Control* c : row)
        box |= c->geometry();
    return box;
}

template <class Control, std::size_t N> void hideRow(const std::array<Control*, N>& row) {
    for (Control* c : row)
        accessible::hide(*c);
}

// What the readings say.
QString dieReading(int face);
QString scoreReading(long long score);
QString throwReading(int trial);
// The target game's clock digits, minutes to hundredths; read to the second.
QString timeLeftReading(const std::array<int, 6>& digits);

} // namespace tavrin
