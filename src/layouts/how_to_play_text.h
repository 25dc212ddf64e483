#pragma once

#include <QString>

namespace tavrin::layout {

// The start window's instructions, line for line as designed (CR LF line ends, trailing blanks
// included), or their translation in the Taiwan and English editions.
QString instructionsText();

// The "How to play" window's text: the instructions, then what the game offers beyond them.
// Further sections are added here.
QString howToPlayText();

} // namespace tavrin::layout
