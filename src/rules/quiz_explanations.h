#pragma once

#include "rules/quiz_content.h"

#include <optional>
#include <string>
#include <vector>

namespace tavrin::rules {

// Why each answer is right, one line per question in the order of the question file. A set
// may have none: learning mode then shows the right answer without a reason.
inline constexpr const char* kExplanationsFile = "gm1_why.txt";

// How wide an explanation may be, in pixels of the 9 pt face (content_rules.h): four lines of
// the quiz window's feedback box, below the line that names the right answer.
inline constexpr int kExplanationWidth = 4 * 253;

// The explanation of each question, 1-based as the questions are; empty where the file has
// none for it.
class QuizExplanations {
public:
    QuizExplanations() = default;
    explicit QuizExplanations(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    std::string of(int questionNumber) const;

private:
    std::vector<std::string> lines_;
};

// Reads kExplanationsFile from dir with the content files' line reader: nothing when the file
// is not there. Throws ContentError when it is there but cannot be read as a content file.
std::optional<std::vector<std::string>> readExplanationLines(const std::string& dir);

// A missing file, missing or empty explanations and explanations too wide to show.
std::vector<std::string> explanationWarnings(const std::optional<std::vector<std::string>>& lines);

} // namespace tavrin::rules
