#pragma once

#include <QPixmap>
#include <QString>

namespace tavrin {

// A picture of the game's artwork by name ("picWood", "RedDigit_3"), at its catalogue size in
// logical pixels. On a high-DPI screen the twice-as-large rendering is used, so it stays crisp.
QPixmap picture(const QString& name);

} // namespace tavrin
