#pragma once

#include "rules/quiz_explanations.h"
#include "rules/quiz_rules.h"
#include "windows/mini_game_window.h"
#include "windows/quiz_feedback.h"

#include <array>
#include <optional>
#include <string>

namespace tavrin {

namespace rules {
class ContentError;
class EventLog;
class Random;
} // namespace rules

// The quiz: five questions on coronary heart disease drawn from gm1_data.txt. Every answer
// wins or loses points; after the fifth the points are shown as a bonus, added to the score,
// and the window closes itself.
class QuizWindow : public MiniGameWindow {
    Q_OBJECT
public:
    // The questions come from `contentDir`.
    QuizWindow(const WindowBasics& basics, SoundService& audio, MessageBoxes& messages,
               rules::Random& rng, rules::EventLog& log, std::string contentDir);

    void onLoad() override;
    void onAnswerClicked(int button);

    // The round in play; empty once the question file could not be read.
    const rules::QuizRound* round() const { return round_ ? &*round_ : nullptr; }
    // Learning mode's explanation of the last answer, while it waits for the player.
    QuizFeedback& feedback() { return feedback_; }
    QPushButton& answerButton(int button) const { return *answerButtons_[button]; }

private:
    void showQuestion();
    void abandon(const rules::ContentError& error);
    void explain(const rules::QuizRound::Answered& answered);
    void goOn();
    void markRightButton(int rightButton);

    rules::Random& rng_;
    rules::EventLog& log_;
    const std::string contentDir_;
    std::array<QPushButton*, rules::kQuizChoiceCount> answerButtons_;
    LabelControl& question_;
    LabelControl& choices_;
    LabelControl& score_;
    std::optional<rules::QuizRound> round_;
    rules::QuizExplanations explanations_;
    QuizFeedback feedback_;
    QStringList buttonCaptions_; // as the layout gives them, while one is marked
    bool finishAfterFeedback_ = false;
};

} // namespace tavrin
