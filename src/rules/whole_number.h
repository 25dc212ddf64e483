#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrin::rules {

// Reads a line as a whole decimal number, allowing blanks around it and a sign, as a number
// typed into a text file by hand. Anything else (an empty line included) gives nothing.
std::optional<long long> parseWholeNumber(std::string_view text);

// Reads a line as a decimal number that may have a fraction or an exponent ("1.0", " 2 ",
// "-0.5", "1e0"), with blanks around it and a sign. Words, hexadecimal, "inf", "nan" and
// numbers beyond the range of a double give nothing.
std::optional<double> parseNumber(std::string_view text);

// The same line quoted for an error message, so blanks and empty lines are visible; a long
// line is cut and control characters are escaped (see excerpt).
std::string quoted(std::string_view text);

} // namespace tavrin::rules
