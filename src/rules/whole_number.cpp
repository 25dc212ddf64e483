#include "rules/whole_number.h"

#include "rules/text_excerpt.h"

#include <charconv>
#include <string>

namespace tavrin {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<long long> parseWholeNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('+') || text.starts_with('-'))
            return std::nullopt;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    // Board values and scores stay far below this; it keeps every sum free of overflow.
    constexpr long long kLimit = 1'000'000'000'000LL;
    if (value > kLimit || value < -kLimit)
        return std::nullopt;
    return value;
}

std::string quoted(std::string_view text) {
    return "\"" + excerpt(text) + "\"";
}

} // namespace tavrin
