#pragma once

#include "windows/game_window.h"
#include "rules/quiz_rules.h"

#include <optional>

namespace tavrin {

class ContentError;

// The quiz: five questions on coronary heart disease drawn from gm1_data.txt. Every answer
// wins or loses points; after the fifth the points are shown as a bonus, added to the score,
// and the window closes itself. While it is open the board takes no throw and the quiz keeps
// the activation against the game's other windows.
class QuizWindow : public GameWindow {
    Q_OBJECT
public:
    explicit QuizWindow(AppContext& ctx);

    void onLoad() override;
    void onUnload() override;
    void cmdAnswer_Click(int Index);

    // The round in play; empty once the question file could not be read.
    const QuizRound* round() const { return round_ ? &*round_ : nullptr; }

protected:
    void systemClose() override;

private:
    void showQuestion();
    void endQuiz();
    void abandon(const ContentError& error);

    std::optional<QuizRound> round_;
};

} // namespace tavrin
