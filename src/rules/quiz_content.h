#pragma once

#include <array>
#include <string>
#include <vector>

namespace tavrin::rules {

inline constexpr const char* kQuizFile = "gm1_data.txt";
inline constexpr int kQuizQuestionCount = 30;
inline constexpr int kQuizChoiceCount = 3;
// Question, three choices, answer, separator.
inline constexpr int kQuizLinesPerQuestion = 6;
inline constexpr int kQuizLineCount = kQuizQuestionCount * kQuizLinesPerQuestion;

// One record of the question file, its texts as written (nothing is trimmed).
struct QuizQuestion {
    std::string text;
    std::array<std::string, kQuizChoiceCount> choices;
    // The number of the right choice counted from 0, kept as written: it is read as a number
    // only when the question is answered.
    std::string answer;
    int answerLine = 0; // 1-based line of `answer` in the file, for error messages
};

// Question k of the file (1 to 30) is questions[k - 1].
using QuizContent = std::array<QuizQuestion, kQuizQuestionCount>;

// Builds the 30 questions from the file's decoded lines. Lines after the 180th are never
// looked at. Throws ContentError when the file is shorter.
QuizContent parseQuiz(const std::vector<std::string>& lines);

// Reads gm1_data.txt from dir. Throws ContentError.
QuizContent readQuizFile(const std::string& dir);

} // namespace tavrin::rules
