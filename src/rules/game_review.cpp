#include "rules/game_review.h"

#include <algorithm>

namespace tavrin::rules {

void GameReview::throwPlayed(const ThrowOutcome& outcome) {
    if (outcome.effect == SquareEffect::AddPoints)
        landed_.push_back({outcome.to, outcome.value, session_.message(outcome.to)});
}

void GameReview::quizAnswered(const QuizRound& round, int, const QuizRound::Answered& answered) {
    ++answersGiven_;
    if (answered.right) {
        ++answersRight_;
        return;
    }
    const auto seen = std::ranges::find(missed_, answered.questionNumber, &Missed::number);
    if (seen != missed_.end())
        return;
    const QuizQuestion& question = round.question(answered.questionNumber);
    std::string rightChoice;
    if (answered.rightButton >= 0)
        rightChoice = std::to_string(answered.rightButton + 1) + ") " +
                      question.choices[static_cast<std::size_t>(answered.rightButton)];
    missed_.push_back({answered.questionNumber, question.text, rightChoice});
}

} // namespace tavrin::rules
