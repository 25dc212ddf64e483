#pragma once

#include "rules/board_content.h"
#include "rules/game_state.h"

#include <vector>

namespace tavrin::rules {

inline constexpr long long kWinningScore = 5000;
// The player has 49 moving throws: the throw counted as the 50th ends the game instead.
inline constexpr int kMovingThrowLimit = 49;
inline constexpr long long kScoreSquareLimit = 33300;
inline constexpr long long kQuizSquare = 33301;
inline constexpr long long kTargetSquare = 33302;
inline constexpr long long kStartScore = 1000;

// Which of the four square pictures a value shows.
int tilePictureIndex(long long value);

enum class SquareEffect { None, AddPoints, OpenQuiz, OpenTarget };
SquareEffect squareEffect(long long value);

// The squares visited by a walk of `steps` from `from`, wrapping from 37 to 0; the last one is
// where the character stops.
std::vector<int> walkPath(int from, int steps);

// What one accepted or refused click on the die did.
struct ThrowOutcome {
    enum class Kind { Refused, Won, LimitReached, Moved };
    Kind kind = Kind::Refused;
    int from = 0;
    int to = 0;
    int steps = 0; // a moving throw walks the die's face from `from` to `to`
    long long value = 0;
    SquareEffect effect = SquareEffect::None;

    std::vector<int> path() const { return walkPath(from, steps); }
};

// Plays the die's face as one throw: refuses while the board takes no throws, recognises a win
// at the start of a throw, counts the throw against the limit, walks and adds a score square's
// points. Opening a mini-game and releasing the die are left to the caller, in that order.
ThrowOutcome playThrow(GameState& state, const BoardContent& board);

} // namespace tavrin::rules
