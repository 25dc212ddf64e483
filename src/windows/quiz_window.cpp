#include "windows/quiz_window.h"

#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "rules/content_error.h"
#include "windows/app_context.h"
#include "windows/sound_holder.h"

#include <QPushButton>
#include <QTimer>

namespace tavrin {

QuizWindow::QuizWindow(AppContext& ctx)
    : MiniGameWindow(ctx, layout::quizWindowLayout(), rules::MiniGame::Quiz) {
    for (int i = 0; i < rules::kQuizChoiceCount; ++i)
        connect(&button("answerButtons", i), &QPushButton::clicked, this,
                [this, i] { onAnswerClicked(i); });
}

void QuizWindow::onLoad() {
    openSounds();
    try {
        round_.emplace(rules::readQuizFile(ctx.contentDir()), ctx.rng, ctx.session.questionDraw());
    } catch (const rules::ContentError& error) {
        abandon(error);
        return;
    }
    showQuestion();
}

void QuizWindow::showQuestion() {
    label("question").setCaption(QString::fromStdString(round_->current().text));
    label("choices").setCaption(QString::fromStdString(round_->optionsText()));
}

void QuizWindow::onAnswerClicked(int button) {
    // A click that slips in after the fifth answer (the window is on its way out) counts for
    // nothing.
    if (!round_ || round_->finished())
        return;
    rules::QuizRound::Answered answered;
    try {
        answered = ctx.session.answerQuiz(*round_, button);
    } catch (const rules::ContentError& error) {
        abandon(error);
        return;
    }
    ctx.windows.get<SoundHolder>().play(answered.right ? Effect::Right : Effect::Wrong);
    label("score").setCaption(QString::fromStdString(round_->scoreCaption()));
    if (answered.finished)
        finish(*round_);
    else
        showQuestion();
}

// The question file was checked when the board loaded, so it broke during the game (edited
// meanwhile): the quiz says so and ends as a close box ends it, without a bonus, and the game
// goes on. The box waits until the window has shown, as the bonus box does.
void QuizWindow::abandon(const rules::ContentError& error) {
    round_.reset();
    ctx.log.write("error", {rules::EventLog::field("file", error.file()),
                            rules::EventLog::field("line", error.line())});
    const QString text = QString::fromStdString(error.what()) + "\n\n" +
                         tr("The quiz ends here without a bonus; the game goes on.");
    QTimer::singleShot(0, this, [this, text] {
        if (isBeingDestroyed())
            return;
        ctx.messages.show(this, text, "Tavrin", MessageBoxes::Buttons::Ok);
        if (!isBeingDestroyed())
            systemClose();
    });
}

} // namespace tavrin
