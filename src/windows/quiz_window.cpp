#include "windows/quiz_window.h"

#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "platform/message_boxes.h"
#include "rules/content_error.h"
#include "rules/event_log.h"
#include "sound/sound_service.h"

#include <QPushButton>
#include <QTimer>

namespace tavrin {

namespace {

// The question and its choices, down to just above the answer buttons.
QRect feedbackBox(QWidget& question, QWidget& choices, QWidget& button) {
    QRect box = question.geometry().united(choices.geometry());
    box.setBottom(button.geometry().top() - 5);
    return box;
}

// The points keep a blank's room from the box's right edge, as the first caption ("Score: 0 ")
// does with its trailing blank; the captions after an answer have none and would touch the frame.
// The frame's margin is the same on every side.
void keepRoomOnTheRight(LabelControl& score) {
    QMargins margins = score.contentsMargins();
    const int room = score.text().endsWith(' ') ? 0 : score.fontMetrics().horizontalAdvance(' ');
    margins.setRight(margins.left() + room);
    score.setContentsMargins(margins);
}

} // namespace

QuizWindow::QuizWindow(const WindowBasics& basics, SoundService& audio, MessageBoxes& messages,
                       rules::Random& rng, rules::EventLog& log, std::string contentDir)
    : MiniGameWindow(basics, layout::quizWindowLayout(), rules::MiniGame::Quiz, audio, messages),
      rng_(rng), log_(log), contentDir_(std::move(contentDir)),
      answerButtons_(bind(layout::quiz::answerButtons)), question_(bind(layout::quiz::question)),
      choices_(bind(layout::quiz::choices)), score_(bind(layout::quiz::score)),
      feedback_(*this, feedbackBox(question_, choices_, *answerButtons_[0])) {
    for (int i = 0; i < rules::kQuizChoiceCount; ++i) {
        connect(answerButtons_[i], &QPushButton::clicked, this, [this, i] { onAnswerClicked(i); });
        buttonCaptions_ << answerButtons_[i]->text();
    }
    connect(&feedback_, &QuizFeedback::goOn, this, &QuizWindow::goOn);
    connect(&score_, &LabelControl::captionChanged, this, [this] { keepRoomOnTheRight(score_); });
}

void QuizWindow::onLoad() {
    openSounds();
    try {
        round_.emplace(rules::readQuizFile(contentDir_), rng_, session().questionDraw());
    } catch (const rules::ContentError& error) {
        abandon(error);
        return;
    }
    try { // without its explanations the quiz plays on, naming only the right answer
        if (auto lines = rules::readExplanationLines(contentDir_))
            explanations_ = rules::QuizExplanations(std::move(*lines));
    } catch (const rules::ContentError&) {
    }
    showQuestion();
}

void QuizWindow::showQuestion() {
    question_.setCaption(QString::fromStdString(round_->current().text));
    choices_.setCaption(QString::fromStdString(round_->optionsText()));
}

void QuizWindow::onAnswerClicked(int button) {
    // A click that slips in after the fifth answer (the window is on its way out) counts for
    // nothing.
    if (!round_ || round_->finished())
        return;
    rules::QuizRound::Answered answered;
    try {
        answered = session().answerQuiz(*round_, button);
    } catch (const rules::ContentError& error) {
        abandon(error);
        return;
    }
    audio_.play(answered.right ? Effect::Right : Effect::Wrong);
    score_.setCaption(QString::fromStdString(round_->scoreCaption()));
    if (session().mode() == rules::GameMode::Learning) {
        finishAfterFeedback_ = answered.finished;
        explain(answered);
    } else if (answered.finished)
        finish(*round_);
    else
        showQuestion();
}

void QuizWindow::explain(const rules::QuizRound::Answered& answered) {
    const rules::QuizQuestion& question = round_->question(answered.questionNumber);
    const QString rightChoice =
        answered.rightButton < 0
            ? QString()
            : QString("%1) %2")
                  .arg(answered.rightButton + 1)
                  .arg(QString::fromStdString(question.choices[answered.rightButton]));
    markRightButton(answered.rightButton);
    feedback_.present(
        feedbackText(answered.right, rightChoice,
                     QString::fromStdString(explanations_.of(answered.questionNumber))));
}

// The right answer's button says so in a word and a tick, not only in colour (the choice's
// number is in the feedback); none can be pressed until the player goes on.
void QuizWindow::markRightButton(int rightButton) {
    for (int i = 0; i < rules::kQuizChoiceCount; ++i) {
        QPushButton& b = *answerButtons_[i];
        b.setEnabled(false);
        if (i == rightButton)
            b.setText(tr("✔ 正確"));
    }
}

void QuizWindow::goOn() {
    for (int i = 0; i < rules::kQuizChoiceCount; ++i) {
        answerButtons_[i]->setText(buttonCaptions_[i]);
        answerButtons_[i]->setEnabled(true);
    }
    if (!round_)
        return;
    if (finishAfterFeedback_) {
        finish(*round_);
        return;
    }
    showQuestion();
    answerButtons_[0]->setFocus(Qt::OtherFocusReason);
}

// The question file was checked when the board loaded, so it broke during the game (edited
// meanwhile): the quiz says so and ends as a close box ends it, without a bonus, and the game
// goes on. The box waits until the window has shown, as the bonus box does.
void QuizWindow::abandon(const rules::ContentError& error) {
    round_.reset();
    log_.write("error", {rules::EventLog::field("file", error.file()),
                         rules::EventLog::field("line", error.line())});
    const QString text = QString::fromStdString(error.what()) + "\n\n" +
                         tr("The quiz ends here without a bonus; the game goes on.");
    QTimer::singleShot(0, this, [this, text] {
        if (isBeingDestroyed())
            return;
        messages_.show(this, text, "Tavrin", MessageBoxes::Buttons::Ok);
        if (!isBeingDestroyed())
            systemClose();
    });
}

} // namespace tavrin
