#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// What every fuzz target holds the code to beyond "no crash": checked with a message and an
// abort, so that libFuzzer saves the input.
namespace fuzz {

[[noreturn]] inline void broken(const char* what, std::string_view detail) {
    std::fprintf(stderr, "invariant broken: %s: %.*s\n", what, int(detail.size()), detail.data());
    std::abort();
}

inline void require(bool holds, const char* what, std::string_view detail = {}) {
    if (!holds)
        broken(what, detail);
}

inline bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t length = c < 0x80             ? 1
                             : (c & 0xE0) == 0xC0 ? 2
                             : (c & 0xF0) == 0xE0 ? 3
                             : (c & 0xF8) == 0xF0 ? 4
                                                  : 0;
        if (length == 0 || i + length > s.size())
            return false;
        unsigned code = length == 1 ? c : c & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (t & 0x3F);
        }
        const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// A message for a message box and standard error: short, one line, valid text.
inline void requireSafeMessage(std::string_view message) {
    require(message.size() <= 640, "message longer than 640 bytes", message);
    require(isValidUtf8(message), "message is not UTF-8", message);
    for (char c : message)
        require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F,
                "message holds a control character", message);
}

} // namespace fuzz
