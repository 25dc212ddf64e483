#include "rules/quiz_rules.h"

#include "rules/content_error.h"
#include "rules/question_draw.h"
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

QuizRound::QuizRound(QuizContent content, Random& rng, QuestionDraw& draw)
    : content_(std::move(content)), rng_(rng), draw_(draw) {
    draw_.startQuiz();
    pickQuestion();
}

void QuizRound::pickQuestion() {
    questionNumber_ = draw_.next(rng_);
}

namespace {

// The button whose index the answer line names, if any.
int rightButtonOf(const QuizQuestion& question) {
    for (int button = 0; button < kQuizChoiceCount; ++button)
        if (isRightAnswer(question, button))
            return button;
    return -1;
}

} // namespace

std::string QuizRound::optionsText() const {
    return rules::optionsText(current(), ordinal_ == 1);
}

QuizRound::Answered QuizRound::answer(int buttonIndex) {
    Answered result;
    result.right = isRightAnswer(current(), buttonIndex);
    result.questionNumber = questionNumber_;
    result.rightButton = rightButtonOf(current());
    draw_.answered(questionNumber_, result.right);
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
