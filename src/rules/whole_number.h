#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// Reads a line as a whole decimal number, allowing blanks around it and a sign, as a number
// typed into a text file by hand. Anything else (an empty line included) gives nothing.
std::optional<long long> parseWholeNumber(std::string_view text);

// The same line quoted for an error message, so blanks and empty lines are visible; a long
// line is cut and control characters are escaped (see excerpt).
std::string quoted(std::string_view text);

} // namespace tavrin
