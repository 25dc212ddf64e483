#pragma once

#include "rules/board_content.h"
#include "rules/quiz_content.h"

#include <string>
#include <vector>

namespace tavrin::rules {

// What a content set should be beyond what the game can read: each square's message says what
// the square does, in the set's language; the board has a few squares of each mini-game; the
// texts fit their boxes; the right answers are spread over the buttons. The game plays a set
// that breaks these rules, so each finding is a warning ("file line N: ...").
std::vector<std::string> boardRuleWarnings(const BoardContent& board);
std::vector<std::string> quizRuleWarnings(const QuizContent& quiz);

// The estimated width in pixels of a text in the boxes' Ming face: Latin letters take half a
// Chinese character's width. `narrow` and `wide` are the two widths at the box's font size.
int estimatedWidth(const std::string& utf8, int narrow, int wide);

inline constexpr int kMinimumMiniGameSquares = 3;
inline constexpr int kMessageWidth = 340;  // the status strip's message line, 9 pt
inline constexpr int kQuestionWidth = 253; // the quiz question, 9 pt
inline constexpr int kChoiceWidth = 253;   // one numbered choice, 9.75 pt

} // namespace tavrin::rules
