// The quiz file and its answer lines: a file is read or refused with a safe message, every
// answer line either names a button or fails with one, and a round's score stays in bounds.
#include "invariants.h"
#include "rules/content_error.h"
#include "rules/content_file.h"
#include "rules/question_draw.h"
#include "rules/quiz_content.h"
#include "rules/quiz_rules.h"
#include "rules/random.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavrin::rules;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    QuizContent quiz;
    try {
        quiz = parseQuiz(contentLines(kQuizFile, bytes));
    } catch (const ContentError& error) {
        fuzz::requireSafeMessage(error.what());
        return 0;
    }
    bool answersRead = true;
    for (const QuizQuestion& question : quiz) {
        optionsText(question, true);
        try {
            int right = 0;
            for (int button = 0; button < kQuizChoiceCount; ++button)
                right += isRightAnswer(question, button);
            fuzz::require(right <= 1, "more than one right button");
        } catch (const ContentError& error) {
            fuzz::requireSafeMessage(error.what());
            answersRead = false;
        }
    }
    Random rng(fixedSeedSource(static_cast<std::uint32_t>(size)));
    QuestionDraw draw(GameMode::Classic, kQuizQuestionCount);
    QuizRound round(quiz, rng, draw);
    for (int button = 0; !round.finished(); button = (button + 1) % kQuizChoiceCount) {
        fuzz::require(round.questionNumber() >= 1 && round.questionNumber() <= kQuizQuestionCount,
                      "no such question");
        try {
            round.answer(button);
        } catch (const ContentError&) {
            fuzz::require(!answersRead, "an answer line failed only in play");
            return 0;
        }
    }
    fuzz::require(round.score() >= 5 * kWrongAnswerPoints &&
                      round.score() <= 5 * kRightAnswerPoints,
                  "a round scored out of bounds");
    return 0;
}
