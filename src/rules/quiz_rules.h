#pragma once

#include "rules/mini_game_round.h"
#include "rules/quiz_content.h"

#include <string>

namespace tavrin::rules {

class Random;
class QuestionDraw;

inline constexpr int kQuizQuestionsPerRound = 5;
inline constexpr int kRightAnswerPoints = 100;
inline constexpr int kWrongAnswerPoints = -50;

// Whether the button with this index (0 to 2) is the right answer: the answer line read as a
// number equals the index, so "1", " 1 " and "1.0" all name the second button. Throws
// ContentError, naming the answer's line, when that line does not read as a number.
bool isRightAnswer(const QuizQuestion& question, int buttonIndex);

// Reads the question file from dir and every answer line, as the quizzes will; throws the
// first ContentError. The board checks this when it loads, so that a broken file stops the
// game before play rather than in the middle of it.
void checkQuizFile(const std::string& dir);

// The choices one per line, each numbered "1)" to "3)". The first question of a round has no
// blank after the ")", later ones have one.
std::string optionsText(const QuizQuestion& question, bool firstOfRound);

// One quiz: five questions, drawn by the game's question draw (in classic mode a question may
// come again, even twice in a row), +100 for a right answer and -50 for a wrong one.
class QuizRound : public MiniGameRound {
public:
    struct Answered {
        bool right = false;
        bool finished = false;  // that was the fifth answer
        int questionNumber = 0; // the question answered, 1 to 30
        int rightButton = -1;   // the button with the right answer; -1 when none is
    };

    // Opens the round: the first question is drawn; ordinal is 1 and score 0.
    QuizRound(QuizContent content, Random& rng, QuestionDraw& draw);

    // Scores the answer and, unless it was the fifth, draws the next question.
    // Throws ContentError when the current question's answer line is not a number; then
    // nothing changes.
    Answered answer(int buttonIndex);

    const QuizQuestion& current() const { return content_[questionNumber_ - 1]; }
    const QuizQuestion& question(int number) const { return content_[number - 1]; }
    std::string optionsText() const;
    bool finished() const { return ordinal_ > kQuizQuestionsPerRound; }
    int questionNumber() const { return questionNumber_; } // 1 to 30
    // The ordinal of the question being asked; 6 once the round is over.
    int ordinal() const { return ordinal_; }

    // "Score: " and the points.
    std::string scoreCaption() const override;

private:
    void pickQuestion();

    QuizContent content_;
    Random& rng_;
    QuestionDraw& draw_;
    int questionNumber_ = 0;
    int ordinal_ = 1;
};

} // namespace tavrin::rules
