#pragma once

#include "windows/options.h"

#include <QString>

namespace tavrin {

// --check-content: prints what is wrong with the content files in dir; the exit code is 0
// when the game can play them, 2 when it would stop.
int reportContentCheck(const QString& dir);

// The same for the folder --data-dir names, else the set --lang names, else every shipped
// set in turn; the exit code is the worst of them.
int reportContentChecks(const Options& options);

} // namespace tavrin
