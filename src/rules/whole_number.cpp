#include "rules/whole_number.h"

#include "rules/text_excerpt.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tavrin::rules {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view withoutBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// from_chars takes a minus sign but no plus sign; a plus may stand alone before the digits.
std::optional<std::string_view> withoutPlusSign(std::string_view text) {
    if (!text.starts_with('+'))
        return text;
    text.remove_prefix(1);
    if (text.starts_with('+') || text.starts_with('-'))
        return std::nullopt;
    return text;
}

} // namespace

std::optional<long long> parseWholeNumber(std::string_view line) {
    const auto text = withoutPlusSign(withoutBlanks(line));
    if (!text)
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size())
        return std::nullopt;
    // Board values and scores stay far below this; it keeps every sum free of overflow.
    constexpr long long kLimit = 1'000'000'000'000LL;
    if (value > kLimit || value < -kLimit)
        return std::nullopt;
    return value;
}

std::optional<double> parseNumber(std::string_view line) {
    const auto text = withoutPlusSign(withoutBlanks(line));
    // Digits, a point, an exponent and signs only: from_chars would also read "inf" and "nan".
    if (!text || text->empty() || text->find_first_not_of("0123456789.eE+-") != text->npos)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string quoted(std::string_view text) {
    return "\"" + excerpt(text) + "\"";
}

} // namespace tavrin::rules
