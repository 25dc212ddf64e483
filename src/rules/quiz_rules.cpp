#include "rules/quiz_rules.h"

#include "rules/content_error.h"
#include "rules/random.h"
#include "rules/whole_number.h"

#include <utility>

namespace tavrin::rules {

bool isRightAnswer(const QuizQuestion& question, int buttonIndex) {
    const auto answer = parseNumber(question.answer);
    if (!answer)
        throw ContentError(kQuizFile, question.answerLine,
                           quoted(question.answer) + " is not a number");
    return *answer == buttonIndex;
}

void checkQuizFile(const std::string& dir) {
    for (const QuizQuestion& question : readQuizFile(dir))
        isRightAnswer(question, 0);
}

std::string optionsText(const QuizQuestion& question, bool firstOfRound) {
    const char* gap = firstOfRound ? "" : " ";
    std::string text;
    for (int c = 0; c < kQuizChoiceCount; ++c) {
        if (c > 0)
            text += "\r\n";
        text += std::to_string(c + 1) + ")" + gap + question.choices[c];
    }
    return text;
}

QuizRound::QuizRound(QuizContent content, Random& rng) : content_(std::move(content)), rng_(rng) {
    pickQuestion();
}

void QuizRound::pickQuestion() {
    questionNumber_ = rng_.wholeUpTo(kQuizQuestionCount);
}

std::string QuizRound::optionsText() const {
    return rules::optionsText(current(), ordinal_ == 1);
}

QuizRound::Answered QuizRound::answer(int buttonIndex) {
    Answered result;
    result.right = isRightAnswer(current(), buttonIndex);
    addPoints(result.right ? kRightAnswerPoints : kWrongAnswerPoints);
    ++ordinal_;
    result.finished = finished();
    if (!result.finished)
        pickQuestion();
    return result;
}

std::string QuizRound::scoreCaption() const {
    return "Score: " + std::to_string(score());
}

} // namespace tavrin::rules
