#pragma once

#include "windows/options.h"

namespace tavrin {

// --simulate: plays the games on the board in the data folder and prints what came of them;
// the exit code is 2 when the board files cannot be read.
int runSimulation(const Options& options);

} // namespace tavrin
