#include "rules/content_check.h"

#include "rules/board_content.h"
#include "rules/content_error.h"
#include "rules/content_file.h"
#include "rules/content_rules.h"
#include "rules/content_warnings.h"
#include "rules/quiz_content.h"
#include "rules/quiz_explanations.h"
#include "rules/quiz_rules.h"
#include "rules/whole_number.h"

#include <algorithm>

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

// Runs one file's reading; its first error goes to the report. True when it read cleanly.
template <class Read> bool readsCleanly(ContentReport& report, Read read) {
    try {
        read();
        return true;
    } catch (const ContentError& error) {
        report.errors.push_back(error.what());
        return false;
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

void checkExplanations(const std::string& dir, ContentReport& report) {
    std::optional<std::vector<std::string>> lines;
    if (!readsCleanly(report, [&] { lines = readExplanationLines(dir); }))
        return;
    append(report.warnings, explanationWarnings(lines));
    if (lines)
        checkFile(dir, kExplanationsFile, report);
}

} // namespace

ContentReport checkContent(const std::string& dir) {
    ContentReport report;
    BoardContent board;
    QuizContent quiz;
    const bool valuesRead = readsCleanly(
        report, [&] { board.values = parseBoardValues(readContentLines(dir, kMapDataFile)); });
    const bool messagesRead = readsCleanly(report, [&] {
        const auto lines = readContentLines(dir, kMapMsgFile);
        requireBoardMessages(lines);
        std::copy_n(lines.begin(), kSquareCount, board.messages.begin());
    });
    const bool quizRead = readsCleanly(report, [&] { quiz = readQuizFile(dir); });
    if (quizRead)
        checkAnswers(quiz, report);
    if (valuesRead && messagesRead && quizRead && report.errors.empty()) {
        append(report.warnings, boardRuleWarnings(board));
        append(report.warnings, quizRuleWarnings(quiz));
    }
    for (const char* file : {kMapDataFile, kMapMsgFile, kQuizFile})
        checkFile(dir, file, report);
    checkExplanations(dir, report);
    return report;
}

} // namespace tavrin::rules
