#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin::rules {

// What the game reads from a file differently from how its author sees it in an editor: a
// line end unlike the others (named by the line number an editor shows, as the game counts
// lines differently in such a file) and the first line with bytes that are neither Big5 nor
// UTF-8 (shown as U+FFFD). `lines` are the file's lines as the game reads them.
std::vector<std::string> fileWarnings(const std::string& fileName, std::string_view bytes,
                                      const std::vector<std::string>& lines);

} // namespace tavrin::rules
