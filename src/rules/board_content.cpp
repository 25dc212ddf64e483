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

} // namespace

BoardContent parseBoard(const std::vector<std::string>& dataLines,
                        const std::vector<std::string>& messageLines) {
    BoardContent board;
    for (std::size_t i = 0; i < kSquareCount; ++i) {
        if (i >= dataLines.size())
            throwShort(kMapDataFile, dataLines.size());
        const auto value = parseWholeNumber(dataLines[i]);
        if (!value)
            throw ContentError(kMapDataFile, static_cast<int>(i) + 1,
                               quoted(dataLines[i]) + " is not a whole number");
        board.values[i] = *value;
        if (i >= messageLines.size())
            throwShort(kMapMsgFile, messageLines.size());
        board.messages[i] = messageLines[i];
    }
    return board;
}

BoardContent readBoardFiles(const std::string& dir) {
    const auto dataLines = readContentLines(dir, kMapDataFile);
    const auto messageLines = readContentLines(dir, kMapMsgFile);
    return parseBoard(dataLines, messageLines);
}

} // namespace tavrin::rules
