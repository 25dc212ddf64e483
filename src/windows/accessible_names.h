#pragma once

#include <QString>
#include <array>

namespace tavrin {

class GameWindow;
class ReadingControl;

// Gives a window's controls their roles and names for assistive technology, in Chinese and
// English as the game's own texts are; adds the readings that say in words what LED digits
// and the board's squares show; and leaves decoration out.
void describeForAssistiveTechnology(GameWindow& window);

// A reading added by describeForAssistiveTechnology: "scoreReading", "throwReading",
// "clockReading", "squareList".
ReadingControl& reading(const GameWindow& window, const QString& name);

// What the readings say.
QString dieReading(int face);
QString scoreReading(long long score);
QString throwReading(int trial);
// The target game's clock digits, minutes to hundredths; read to the second.
QString timeLeftReading(const std::array<int, 6>& digits);

} // namespace tavrin
