#include "rules/content_check.h"

#include "rules/board_content.h"
#include "rules/content_error.h"
#include "rules/quiz_content.h"
#include "rules/quiz_rules.h"
#include "rules/whole_number.h"

namespace tavrin::rules {
namespace {

void checkAnswers(const QuizContent& quiz, ContentReport& report) {
    for (const QuizQuestion& question : quiz) {
        try {
            isRightAnswer(question, 0);
        } catch (const ContentError& error) {
            report.errors.push_back(error.what());
            continue;
        }
        const double answer = *parseNumber(question.answer);
        if (answer != 0 && answer != 1 && answer != 2)
            report.warnings.push_back(std::string(kQuizFile) + " line " +
                                      std::to_string(question.answerLine) + ": answer " +
                                      quoted(question.answer) +
                                      " matches no choice (0, 1 or 2): every button is wrong");
    }
}

} // namespace

ContentReport checkContent(const std::string& dir) {
    ContentReport report;
    try {
        readBoardFiles(dir);
    } catch (const ContentError& error) {
        report.errors.push_back(error.what());
    }
    try {
        checkAnswers(readQuizFile(dir), report);
    } catch (const ContentError& error) {
        report.errors.push_back(error.what());
    }
    return report;
}

} // namespace tavrin::rules
