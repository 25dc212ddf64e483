#include "rules/board_rules.h"

#include <algorithm>

namespace tavrin::rules {

int tilePictureIndex(long long value) {
    // Each true test replaces the picture of the one before, so values above the score-square
    // limit end on the mini-game picture while 33300 itself keeps the points picture.
    int picture = 0;
    if (value == 0)
        picture = 2;
    if (value > 0)
        picture = 0;
    if (value < 0)
        picture = 1;
    if (value > kScoreSquareLimit)
        picture = 3;
    return picture;
}

SquareEffect squareEffect(long long value) {
    if (value < kScoreSquareLimit)
        return value == 0 ? SquareEffect::None : SquareEffect::AddPoints;
    if (value == kQuizSquare)
        return SquareEffect::OpenQuiz;
    if (value == kTargetSquare)
        return SquareEffect::OpenTarget;
    return SquareEffect::None;
}

std::vector<int> walkPath(int from, int steps) {
    std::vector<int> path;
    int k = from;
    for (int i = 0; i < steps; ++i) {
        k = (k + 1) % kSquareCount;
        path.push_back(k);
    }
    return path;
}

ThrowOutcome playThrow(GameState& state, const BoardContent& board) {
    ThrowOutcome outcome;
    outcome.from = state.square;
    outcome.to = state.square;
    if (!state.takingThrows)
        return outcome;
    if (state.score >= kWinningScore) {
        outcome.kind = ThrowOutcome::Kind::Won;
        return outcome;
    }
    state.trial += 1;
    if (state.trial > kMovingThrowLimit + 1) {
        outcome.kind = ThrowOutcome::Kind::LimitReached;
        return outcome;
    }
    outcome.kind = ThrowOutcome::Kind::Moved;
    // Counting squares from 37 round to 0 is where the walk ends.
    outcome.steps = std::max(state.dieFace, 0);
    state.square = (state.square + outcome.steps) % kSquareCount;
    outcome.to = state.square;
    outcome.value = board.values[state.square];
    outcome.effect = squareEffect(outcome.value);
    if (outcome.effect == SquareEffect::AddPoints)
        state.score += outcome.value;
    return outcome;
}

} // namespace tavrin::rules
