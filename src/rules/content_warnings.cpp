#include "rules/content_warnings.h"

#include "rules/board_rules.h"
#include "rules/whole_number.h"

#include <array>
#include <optional>

namespace tavrin::rules {
namespace {

enum LineEnd { CrLf, Lf, Cr, kLineEndKinds };
constexpr std::array<const char*, kLineEndKinds> kLineEndNames = {"CR LF", "LF", "a lone CR"};

std::string atLine(const std::string& fileName, std::size_t line, const std::string& text) {
    return fileName + " line " + std::to_string(line) + ": " + text;
}

// Every CR LF, lone LF and lone CR ends a line, as editors count them.
std::optional<std::string> mixedLineEnds(const std::string& fileName, std::string_view bytes) {
    std::array<std::size_t, kLineEndKinds> count{};
    std::array<std::size_t, kLineEndKinds> firstLine{};
    std::size_t line = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        LineEnd kind;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            kind = CrLf, ++i;
        else if (bytes[i] == '\r')
            kind = Cr;
        else if (bytes[i] == '\n')
            kind = Lf;
        else
            continue;
        if (count[kind]++ == 0)
            firstLine[kind] = line;
        ++line;
    }
    int usual = CrLf;
    for (int kind : {Lf, Cr})
        if (count[kind] > count[usual])
            usual = kind;
    std::optional<int> odd;
    for (int kind = 0; kind < kLineEndKinds; ++kind)
        if (kind != usual && count[kind] > 0 && (!odd || firstLine[kind] < firstLine[*odd]))
            odd = kind;
    if (!odd)
        return std::nullopt;
    const std::size_t others = line - 1 - count[usual] - 1;
    return atLine(fileName, firstLine[*odd],
                  std::string("this line ends with ") + kLineEndNames[*odd] + ", most lines with " +
                      kLineEndNames[usual] +
                      (others ? " (" + std::to_string(others) + " more end otherwise)" : "") +
                      ": the game does not count lines as an editor does in such a file; save "
                      "it with one kind of line end");
}

std::optional<std::string> undecodableLine(const std::string& fileName,
                                           const std::vector<std::string>& lines) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(kReplacement) != std::string::npos)
            return atLine(fileName, i + 1,
                          "bytes that are neither Big5 nor UTF-8 show as \xEF\xBF\xBD: " +
                              quoted(lines[i]));
    return std::nullopt;
}

} // namespace

std::vector<std::string> fileWarnings(const std::string& fileName, std::string_view bytes,
                                      const std::vector<std::string>& lines) {
    std::vector<std::string> warnings;
    for (const auto& warning : {mixedLineEnds(fileName, bytes), undecodableLine(fileName, lines)})
        if (warning)
            warnings.push_back(*warning);
    return warnings;
}

} // namespace tavrin::rules
