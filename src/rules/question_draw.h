#pragma once

#include "rules/game_mode.h"

#include <vector>

namespace tavrin::rules {

class Random;

// Chooses the questions of the quizzes of one game.
//
// Classic: each question is drawn from all of them, so one may come again, even twice in a
// row. Learning: a quiz never asks a question twice; across the game, a question answered
// wrongly in an earlier quiz comes back first, until it is answered right, then questions not
// yet asked, and only when those are used up the ones already answered right. One draw of the
// generator per question in both modes.
class QuestionDraw {
public:
    QuestionDraw(GameMode mode, int questionCount);

    // A new quiz of the same game: its questions may be asked again in later quizzes.
    void startQuiz();
    // The next question of the current quiz, 1-based.
    int next(Random& rng);
    void answered(int number, bool right);
    // What was asked and answered so far is kept: a game may change its mode as it goes.
    void setMode(GameMode mode) { mode_ = mode; }

private:
    enum class Standing { NotAsked, Missed, Right };

    std::vector<int> candidates() const;

    GameMode mode_;
    std::vector<Standing> standing_;    // by question, across the game
    std::vector<bool> askedInThisQuiz_; // by question
};

} // namespace tavrin::rules
