#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin::rules {

// Splits raw file bytes into lines. A line ends at CR LF or a lone CR; a lone LF stays inside
// the line, except in a file with no CR at all (saved on Linux), where LF ends lines.
// A final line without a line end still counts; an empty file has no lines.
std::vector<std::string> splitLines(std::string_view bytes);

// Decodes a file's bytes once: valid UTF-8 (with or without BOM) is taken as UTF-8, anything
// else as Big5, with undecodable bytes replaced by U+FFFD. The result is UTF-8.
std::string decodeText(std::string_view bytes);

// Both steps: the lines of a content file as UTF-8 text.
std::vector<std::string> decodeLines(std::string_view bytes);

} // namespace tavrin::rules
