#include "rules/quiz_content.h"

#include "rules/content_error.h"
#include "rules/content_file.h"

namespace tavrin::rules {

QuizContent parseQuiz(const std::vector<std::string>& lines) {
    if (lines.size() < static_cast<std::size_t>(kQuizLineCount))
        throw ContentError(kQuizFile, static_cast<int>(lines.size()) + 1,
                           "the file ends after " + std::to_string(lines.size()) + " lines; " +
                               std::to_string(kQuizLineCount) + " are needed, " +
                               std::to_string(kQuizLinesPerQuestion) + " per question");
    QuizContent quiz;
    for (int k = 0; k < kQuizQuestionCount; ++k) {
        const int first = k * kQuizLinesPerQuestion;
        QuizQuestion& q = quiz[k];
        q.text = lines[first];
        for (int c = 0; c < kQuizChoiceCount; ++c)
            q.choices[c] = lines[first + 1 + c];
        q.answer = lines[first + 4];
        q.answerLine = first + 5;
    }
    return quiz;
}

QuizContent readQuizFile(const std::string& dir) {
    return parseQuiz(readContentLines(dir, kQuizFile));
}

} // namespace tavrin::rules
