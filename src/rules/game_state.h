#pragma once

namespace tavrin::rules {

inline constexpr int kSquareCount = 38;

// Where one game stands. The game session owns it; the windows only read it.
struct GameState {
    int dieFace = 0; // 0 until the die has drawn its first face
    bool dieHeld = false;
    long long score = 0;
    // The number of the throw to come, from 1: it is counted up before the throw moves, so
    // after n moving throws it reads n + 1.
    int trial = 0;
    int square = 0; // where the character stands
    // The board takes throws only between its loading and its end, and never while a
    // mini-game is open.
    bool takingThrows = false;
};

} // namespace tavrin::rules
