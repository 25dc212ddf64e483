#include "rules/board_content.h"

#include "rules/content_error.h"
#include "rules/content_file.h"
#include "rules/whole_number.h"

namespace tavrin::rules {
namespace {

[[noreturn]] void throwShort(const char* file, std::size_t lineCount) {
    throw ContentError(file, static_cast<int>(lineCount) + 1,
                       "the file ends after " + std::to_string(lineCount) + " lines; " +
                           std::to_string(kSquareCount) + " are needed, one per square");
}

long long squareValue(const std::vector<std::string>& dataLines, std::size_t square) {
    if (square >= dataLines.size())
        throwShort(kMapDataFile, dataLines.size());
    const auto value = parseWholeNumber(dataLines[square]);
    if (!value)
        throw ContentError(kMapDataFile, static_cast<int>(square) + 1,
                           quoted(dataLines[square]) + " is not a whole number");
    return *value;
}

} // namespace

// Square by square, the value line before the message line: the first problem met is the one
// reported.
BoardContent parseBoard(const std::vector<std::string>& dataLines,
                        const std::vector<std::string>& messageLines) {
    BoardContent board;
    for (std::size_t i = 0; i < kSquareCount; ++i) {
        board.values[i] = squareValue(dataLines, i);
        if (i >= messageLines.size())
            throwShort(kMapMsgFile, messageLines.size());
        board.messages[i] = messageLines[i];
    }
    return board;
}

std::array<long long, kSquareCount> parseBoardValues(const std::vector<std::string>& dataLines) {
    std::array<long long, kSquareCount> values{};
    for (std::size_t i = 0; i < kSquareCount; ++i)
        values[i] = squareValue(dataLines, i);
    return values;
}

void requireBoardMessages(const std::vector<std::string>& messageLines) {
    if (messageLines.size() < kSquareCount)
        throwShort(kMapMsgFile, messageLines.size());
}

BoardContent readBoardFiles(const std::string& dir) {
    const auto dataLines = readContentLines(dir, kMapDataFile);
    const auto messageLines = readContentLines(dir, kMapMsgFile);
    return parseBoard(dataLines, messageLines);
}

} // namespace tavrin::rules
