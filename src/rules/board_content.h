#pragma once

#include "rules/game_state.h"

#include <array>
#include <string>
#include <vector>

namespace tavrin::rules {

inline constexpr const char* kMapDataFile = "mapdata.txt";
inline constexpr const char* kMapMsgFile = "mapmsg.txt";

// The 38 squares as the two board files describe them.
struct BoardContent {
    std::array<long long, kSquareCount> values{};
    std::array<std::string, kSquareCount> messages;
};

// Builds the board from the decoded lines of both files, taking square by square the value
// line before the message line, so the first problem met is the one reported.
// Lines after the 38th are never looked at. Throws ContentError.
BoardContent parseBoard(const std::vector<std::string>& dataLines,
                        const std::vector<std::string>& messageLines);

// Each file on its own, as a checker reads them: the 38 values of mapdata.txt, and whether
// mapmsg.txt has its 38 lines. Throw ContentError.
std::array<long long, kSquareCount> parseBoardValues(const std::vector<std::string>& dataLines);
void requireBoardMessages(const std::vector<std::string>& messageLines);

// Reads mapdata.txt, then mapmsg.txt, from dir. Throws ContentError.
BoardContent readBoardFiles(const std::string& dir);

} // namespace tavrin::rules
