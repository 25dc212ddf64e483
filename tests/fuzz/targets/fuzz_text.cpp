// The line reader and text decoding: any bytes give lines of valid UTF-8, and every message
// quoting them is short, one line and valid text.
#include "invariants.h"
#include "rules/content_error.h"
#include "rules/content_file.h"
#include "rules/content_warnings.h"
#include "rules/text_excerpt.h"
#include "rules/text_lines.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavrin::rules;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const bool crEndsLines = bytes.find('\r') != std::string_view::npos;
    std::size_t kept = 0;
    for (const std::string& line : splitLines(bytes)) {
        fuzz::require(line.find('\r') == std::string::npos, "a CR inside a line");
        fuzz::require(crEndsLines || line.find('\n') == std::string::npos,
                      "an LF inside a line of a file without CR");
        kept += line.size();
    }
    fuzz::require(kept <= bytes.size(), "lines hold more than the file");

    const std::string text = decodeText(bytes);
    fuzz::require(fuzz::isValidUtf8(text), "decoded text is not UTF-8");

    const std::string shown = excerpt(bytes);
    fuzz::requireSafeMessage(shown);
    fuzz::require(fuzz::isValidUtf8(escaped(bytes)), "escaped text is not UTF-8");

    try {
        const auto lines = contentLines("file.txt", bytes);
        for (const std::string& warning : fileWarnings("file.txt", bytes, lines))
            fuzz::requireSafeMessage(warning);
    } catch (const ContentError& error) {
        fuzz::requireSafeMessage(error.what());
    }
    return 0;
}
