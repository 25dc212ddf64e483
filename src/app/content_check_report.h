#pragma once

#include <QString>

namespace tavrin {

// --check-content: prints what is wrong with the content files in dir; the exit code is 0
// when the game can play them, 2 when it would stop.
int reportContentCheck(const QString& dir);

} // namespace tavrin
