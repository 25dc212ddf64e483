#pragma once

#include <array>
#include <string>

namespace tavrin::rules {

inline constexpr int kSquareCount = 38;

// The state every window shares for the whole run. Windows read and write it directly, as the
// die, the board, the status strip and the mini-games all take part in one throw.
struct GameState {
    int DiceValue = 0; // 0 until the die has drawn its first face
    bool DiceHeld = false;
    long long Score = 0;
    int Trial = 0;
    std::array<std::string, kSquareCount> MapMsg;
    bool MapActive = false;
};

} // namespace tavrin::rules
