#include "app/autoplay.h"
#include "rules/whole_number.h"
#include "windows/app_context.h"
#include "windows/quiz_window.h"

#include <QPushButton>

namespace tavrin {
namespace {

constexpr int kReadingPauseMs = 1800;

// Which button to press: mostly the right one, but every few questions a wrong one, so that
// both sounds and both kinds of score are seen. Drawn from the quiz's own state rather than
// the game's generator, so that autoplay does not change the game's random sequence.
int chooseButton(const rules::QuizRound& round) {
    const auto right = rules::parseNumber(round.current().answer);
    const int rightButton = right && (*right == 1 || *right == 2) ? static_cast<int>(*right) : 0;
    const bool slip = (round.questionNumber() + round.ordinal()) % 3 == 0;
    return slip ? (rightButton + 1) % 3 : rightButton;
}

} // namespace

void autoplayQuizStep(AppContext& ctx, AutoplayPace& pace) {
    if (pace.idleMs() < kReadingPauseMs)
        return;
    QuizWindow& quiz = ctx.windows.get<QuizWindow>();
    if (quiz.feedback().isShown()) { // learning mode: read the explanation, then go on
        pace.acted();
        clickWidget(quiz.feedback());
        return;
    }
    const rules::QuizRound* round = quiz.round();
    if (!round || round->finished())
        return;
    pace.acted();
    clickWidget(quiz.answerButton(chooseButton(*round)));
}

} // namespace tavrin
