#include "rules/content_rules.h"

#include "rules/board_rules.h"
#include "rules/content_error.h"
#include "rules/whole_number.h"

#include <algorithm>
#include <regex>

namespace tavrin::rules {
namespace {

// Pixel widths of the Ming face at 96 dpi: Latin letters are half an em, the rest a full em.
constexpr int kSmallNarrow = 6, kSmallWide = 12; // 9 pt
constexpr int kLargeNarrow = 7, kLargeWide = 13; // 9.75 pt

// How a set's messages name what a square does. A set written in Chinese says 加200分, 問答,
// 射擊; an English set says +200 points, quiz, target.
struct Wording {
    std::string gain, loss; // the text before the points and the text after them
    std::string gainUnit, lossUnit;
    std::string quiz, target;
    std::regex anyPointsClaim;
};

const Wording& chineseWording() {
    static const Wording w{"加", "扣", "分", "分", "問答", "射擊", std::regex("(加|扣)[0-9]+分")};
    return w;
}

const Wording& englishWording() {
    static const Wording w{
        "+", "-", " points", " points", "quiz", "target", std::regex("[-+][0-9]+ points?\\b")};
    return w;
}

bool writtenInChinese(const BoardContent& board) {
    return std::any_of(board.messages.begin(), board.messages.end(), [](const std::string& m) {
        return std::any_of(m.begin(), m.end(), [](char c) { return (c & 0x80) != 0; });
    });
}

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string squareLine(int square) {
    return std::string(kMapMsgFile) + " line " + std::to_string(square + 1) + ": square " +
           std::to_string(square) + " ";
}

std::string effectText(long long value) {
    if (value > 0)
        return "adds " + std::to_string(value) + " points";
    if (value < 0)
        return "takes away " + std::to_string(-value) + " points";
    return "changes no points";
}

// The message's word for what the square does, or "" when it says the right thing.
std::string messageProblem(long long value, const std::string& message, const Wording& w) {
    if (message.empty())
        return "has no message";
    const SquareEffect effect = squareEffect(value);
    if (effect == SquareEffect::OpenQuiz || effect == SquareEffect::OpenTarget) {
        const std::string& word = effect == SquareEffect::OpenQuiz ? w.quiz : w.target;
        if (lowercase(message).find(word) == std::string::npos)
            return "opens a game but its message does not say " + quoted(word);
        return {}; // it may quote the game's own scoring
    }
    std::string expected;
    if (effect == SquareEffect::AddPoints)
        expected = value > 0 ? w.gain + std::to_string(value) + w.gainUnit
                             : w.loss + std::to_string(-value) + w.lossUnit;
    if (!expected.empty() && message.find(expected) == std::string::npos)
        return effectText(value) + " but its message does not say " + quoted(expected);
    for (std::sregex_iterator it(message.begin(), message.end(), w.anyPointsClaim), end; it != end;
         ++it)
        if (it->str() != expected)
            return "says " + quoted(it->str()) + " but " + effectText(value);
    return {};
}

void warnAboutWidth(std::vector<std::string>& warnings, const std::string& where,
                    const std::string& text, int narrow, int wide, int limit) {
    const int width = estimatedWidth(text, narrow, wide);
    if (width > limit)
        warnings.push_back(where + "is about " + std::to_string(width) +
                           " px wide; its box holds " + std::to_string(limit) + " px");
}

} // namespace

int estimatedWidth(const std::string& utf8, int narrow, int wide) {
    int width = 0;
    for (unsigned char c : utf8) {
        if (c < 0x80)
            width += narrow;
        else if ((c & 0xC0) != 0x80) // the first byte of a character
            width += wide;
    }
    return width;
}

std::vector<std::string> boardRuleWarnings(const BoardContent& board) {
    std::vector<std::string> warnings;
    const Wording& wording = writtenInChinese(board) ? chineseWording() : englishWording();
    int quizSquares = 0, targetSquares = 0;
    for (int i = 0; i < kSquareCount; ++i) {
        const long long value = board.values[i];
        quizSquares += value == kQuizSquare;
        targetSquares += value == kTargetSquare;
        if (value >= kScoreSquareLimit && value != kQuizSquare && value != kTargetSquare)
            warnings.push_back(std::string(kMapDataFile) + " line " + std::to_string(i + 1) +
                               ": square " + std::to_string(i) + " value " + std::to_string(value) +
                               " does nothing in play (33301 opens the quiz, 33302 the target "
                               "game; points must stay below 33300)");
        else if (const std::string problem = messageProblem(value, board.messages[i], wording);
                 !problem.empty())
            warnings.push_back(squareLine(i) + problem);
        warnAboutWidth(warnings, squareLine(i) + "message ", board.messages[i], kSmallNarrow,
                       kSmallWide, kMessageWidth);
    }
    for (auto [count, name] : {std::pair{quizSquares, "quiz"}, std::pair{targetSquares, "target"}})
        if (count < kMinimumMiniGameSquares)
            warnings.push_back(std::string(kMapDataFile) + ": " + std::to_string(count) + " " +
                               name + " squares; a board needs at least " +
                               std::to_string(kMinimumMiniGameSquares));
    return warnings;
}

std::vector<std::string> quizRuleWarnings(const QuizContent& quiz) {
    std::vector<std::string> warnings;
    std::array<int, kQuizChoiceCount> rightPerButton{};
    for (int k = 0; k < kQuizQuestionCount; ++k) {
        const QuizQuestion& q = quiz[k];
        const int firstLine = q.answerLine - 4;
        const auto at = [&](int offset) {
            return std::string(kQuizFile) + " line " + std::to_string(firstLine + offset) +
                   ": question " + std::to_string(k + 1) + " ";
        };
        warnAboutWidth(warnings, at(0), q.text, kSmallNarrow, kSmallWide, kQuestionWidth);
        for (int c = 0; c < kQuizChoiceCount; ++c) {
            if (q.choices[c].empty())
                warnings.push_back(at(1 + c) + "choice " + std::to_string(c + 1) + " is empty");
            warnAboutWidth(warnings, at(1 + c) + "choice " + std::to_string(c + 1) + " ",
                           "1) " + q.choices[c], kLargeNarrow, kLargeWide, kChoiceWidth);
        }
        const auto answer = parseNumber(q.answer); // as the quiz reads it: "1.0" is 1
        for (int c = 0; c < kQuizChoiceCount; ++c)
            if (answer == c)
                ++rightPerButton[c];
    }
    const auto [fewest, most] = std::minmax_element(rightPerButton.begin(), rightPerButton.end());
    if (*most - *fewest > 3)
        warnings.push_back(
            std::string(kQuizFile) + ": the right answers are unevenly spread (" +
            std::to_string(rightPerButton[0]) + ", " + std::to_string(rightPerButton[1]) + ", " +
            std::to_string(rightPerButton[2]) + " on buttons 1, 2, 3): players learn to guess");
    return warnings;
}

} // namespace tavrin::rules
