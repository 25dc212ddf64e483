#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrin::rules {

// The most characters of file text an error message quotes.
inline constexpr std::size_t kExcerptCharacters = 48;

// Text as a one-line message may show it: control characters and line separators written as
// escapes (\r, \n, \t, \0, \x1B, \u0085), and bytes that are not UTF-8 as \xNN. A message is
// passed on as a C string and shown in a box, where a NUL would cut it and a line end break it.
std::string escaped(std::string_view text);

// The same, shortened to its first kExcerptCharacters characters, with "…" when cut.
std::string excerpt(std::string_view text);

} // namespace tavrin::rules
