#pragma once

#include "rules/quiz_rules.h"
#include "windows/mini_game_window.h"

#include <optional>

namespace tavrin {

namespace rules {
class ContentError;
}

// The quiz: five questions on coronary heart disease drawn from gm1_data.txt. Every answer
// wins or loses points; after the fifth the points are shown as a bonus, added to the score,
// and the window closes itself.
class QuizWindow : public MiniGameWindow {
    Q_OBJECT
public:
    explicit QuizWindow(AppContext& ctx);

    void onLoad() override;
    void onAnswerClicked(int button);

    // The round in play; empty once the question file could not be read.
    const rules::QuizRound* round() const { return round_ ? &*round_ : nullptr; }

private:
    void showQuestion();
    void abandon(const rules::ContentError& error);

    std::optional<rules::QuizRound> round_;
};

} // namespace tavrin
