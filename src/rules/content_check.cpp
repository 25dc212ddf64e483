#include "rules/content_check.h"

#include "rules/board_content.h"
#include "rules/content_error.h"
#include "rules/whole_number.h"
#include "rules/quiz_content.h"
#include "rules/quiz_rules.h"
#include "rules/content_file.h"
#include "rules/content_warnings.h"

namespace tavrin {
namespace {

void checkAnswers(const QuizContent& quiz, ContentReport& report) {
    for (const QuizQuestion& question : quiz) {
        try {
            isRightAnswer(question, 0);
        } catch (const ContentError& error) {
            report.errors.push_back(error.what());
            continue;
        }
        const long long answer = *parseWholeNumber(question.answer);
        if (answer < 0 || answer >= kQuizChoiceCount)
            report.warnings.push_back(std::string(kQuizFile) + " line " +
                                      std::to_string(question.answerLine) + ": answer " +
                                      quoted(question.answer) +
                                      " matches no choice (0, 1 or 2): every button is wrong");
    }
}

void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// A file that cannot be read has its error reported already: no warnings for it.
void checkFile(const std::string& dir, const std::string& fileName, ContentReport& report) {
    try {
        const std::string bytes = readContentBytes(dir, fileName);
        append(report.warnings, fileWarnings(fileName, bytes, contentLines(fileName, bytes)));
    } catch (const ContentError&) {
    }
}

} // namespace

ContentReport checkContent(const std::string& dir) {
    ContentReport report;
    try {
        append(report.warnings, idleSquareWarnings(readBoardFiles(dir)));
    } catch (const ContentError& error) {
        report.errors.push_back(error.what());
    }
    try {
        checkAnswers(readQuizFile(dir), report);
    } catch (const ContentError& error) {
        report.errors.push_back(error.what());
    }
    for (const char* file : {kMapDataFile, kMapMsgFile, kQuizFile})
        checkFile(dir, file, report);
    return report;
}

} // namespace tavrin
