#include "rules/quiz_explanations.h"

#include "rules/content_file.h"
#include "rules/content_rules.h"

#include <filesystem>

namespace tavrin::rules {
namespace {

std::string lineWarning(std::size_t index, const std::string& problem) {
    return std::string(kExplanationsFile) + " line " + std::to_string(index + 1) + ": " + problem;
}

} // namespace

std::string QuizExplanations::of(int questionNumber) const {
    const auto i = static_cast<std::size_t>(questionNumber - 1);
    return questionNumber >= 1 && i < lines_.size() ? lines_[i] : std::string();
}

std::optional<std::vector<std::string>> readExplanationLines(const std::string& dir) {
    std::error_code ignored;
    if (!std::filesystem::exists(contentPath(dir, kExplanationsFile), ignored))
        return std::nullopt;
    return readContentLines(dir, kExplanationsFile);
}

std::vector<std::string> explanationWarnings(const std::optional<std::vector<std::string>>& lines) {
    if (!lines)
        return {std::string(kExplanationsFile) +
                " is missing: learning mode shows the right answers without a reason"};
    std::vector<std::string> warnings;
    if (lines->size() < kQuizQuestionCount)
        warnings.push_back(std::string(kExplanationsFile) + " has " +
                           std::to_string(lines->size()) + " lines, not one for each of the " +
                           std::to_string(kQuizQuestionCount) + " questions");
    for (std::size_t i = 0; i < lines->size() && i < kQuizQuestionCount; ++i) {
        const std::string& line = (*lines)[i];
        if (line.find_first_not_of(" \t") == std::string::npos)
            warnings.push_back(lineWarning(i, "the explanation is empty"));
        else if (const int width = estimatedWidth(line, 6, 12); width > kExplanationWidth)
            warnings.push_back(lineWarning(i, "the explanation is about " + std::to_string(width) +
                                                  " px wide; the quiz window shows " +
                                                  std::to_string(kExplanationWidth) + " px"));
    }
    return warnings;
}

} // namespace tavrin::rules
