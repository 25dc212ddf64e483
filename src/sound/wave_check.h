#pragma once

#include <span>
#include <string>

namespace tavrin {

// Whether the bytes are a RIFF WAVE file whose every chunk lies inside it, with its format and
// its samples: SDL then reads it within those bounds. Empty when it is; else the problem.
std::string waveProblem(std::span<const unsigned char> bytes);

} // namespace tavrin
