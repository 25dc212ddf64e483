#pragma once

#include "windows/options.h"

#include <QStringList>
#include <optional>

namespace tavrin {

// Reads the command line. Returns nothing when the program should stop at once (--help,
// --version, or a bad option, already reported); exitCode then says how.
std::optional<Options> parseCommandLine(const QStringList& arguments, int& exitCode);

} // namespace tavrin
