#include "rules/text_excerpt.h"

#include <cstdio>
#include <limits>

namespace tavrin::rules {
namespace {

// The length of the valid UTF-8 sequence at the start of s, or 0 when it is not one.
std::size_t sequenceLength(std::string_view s, char32_t& code) {
    const auto c = static_cast<unsigned char>(s[0]);
    std::size_t length = 0;
    char32_t min = 0;
    if (c < 0x80) {
        code = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        length = 2, min = 0x80, code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        length = 3, min = 0x800, code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, code = c & 0x07;
    } else {
        return 0;
    }
    if (s.size() < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto t = static_cast<unsigned char>(s[k]);
        if ((t & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (t & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

std::string hex(const char* format, unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string escapeCharacter(char32_t code) {
    switch (code) {
    case 0:
        return "\\0";
    case '\t':
        return "\\t";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    }
    if (code < 0x20 || code == 0x7F)
        return hex("\\x%02X", unsigned(code));
    // C1 controls and the Unicode line and paragraph separators.
    if ((code >= 0x80 && code <= 0x9F) || code == 0x2028 || code == 0x2029)
        return hex("\\u%04X", unsigned(code));
    return {};
}

std::string escapedUpTo(std::string_view text, std::size_t maxCharacters) {
    std::string out;
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (characters == maxCharacters)
            return out + "…";
        char32_t code = 0;
        const std::size_t length = sequenceLength(text.substr(i), code);
        if (length == 0) {
            out += hex("\\x%02X", static_cast<unsigned char>(text[i]));
            ++i;
        } else {
            const std::string escape = escapeCharacter(code);
            out += escape.empty() ? std::string(text.substr(i, length)) : escape;
            i += length;
        }
        ++characters;
    }
    return out;
}

} // namespace

std::string escaped(std::string_view text) {
    return escapedUpTo(text, std::numeric_limits<std::size_t>::max());
}

std::string excerpt(std::string_view text) {
    return escapedUpTo(text, kExcerptCharacters);
}

} // namespace tavrin::rules
