#include "windows/quiz_window.h"

#include "windows/app_context.h"
#include "windows/die_window.h"
#include "rules/content_error.h"
#include "controls/label_control.h"
#include "controls/interval_timer.h"
#include "layouts/window_layouts.h"
#include "sound/sound_control.h"
#include "windows/sound_holder.h"

#include <QPushButton>
#include <QTimer>

namespace tavrin {
namespace {

QString number(long long value) {
    return QString::number(value);
}

// Wait off first, so that the command never holds up the quiz.
void playSound(SoundControl& device) {
    device.setWait(false);
    device.setCommand("Sound");
}

} // namespace

QuizWindow::QuizWindow(AppContext& ctx) : GameWindow(ctx, layout::quizWindowLayout()) {
    setKeepsActivation(true);
    for (int i = 0; i < kQuizChoiceCount; ++i)
        connect(&button("cmdAnswer", i), &QPushButton::clicked, this,
                [this, i] { cmdAnswer_Click(i); });
}

void QuizWindow::onLoad() {
    ctx.state.MapActive = false;
    ctx.windows.get<DieWindow>().timer("Timer1").setInterval(0);
    SoundHolder& sounds = ctx.windows.get<SoundHolder>();
    sounds.mmcBoo.setCommand("Open");
    sounds.mmcYeah.setCommand("Open");
    try {
        round_.emplace(readQuizFile(ctx.dataDir()), ctx.rng);
    } catch (const ContentError& error) {
        abandon(error);
        return;
    }
    showQuestion();
}

void QuizWindow::showQuestion() {
    label("lblQuestion").setCaption(QString::fromStdString(round_->current().text));
    label("lblOption").setCaption(QString::fromStdString(round_->optionsText()));
}

void QuizWindow::cmdAnswer_Click(int Index) {
    // A click that slips in after the fifth answer (the window is on its way out) counts for
    // nothing.
    if (!round_ || round_->finished())
        return;
    QuizRound::Answered answered;
    try {
        answered = round_->answer(Index);
    } catch (const ContentError& error) {
        abandon(error);
        return;
    }
    SoundHolder& sounds = ctx.windows.get<SoundHolder>();
    playSound(answered.right ? sounds.mmcYeah : sounds.mmcBoo);
    label("lblScore").setCaption("Score: " + number(round_->GameScore));
    ctx.log.write("answer", {EventLog::field("question", round_->QuestionNo - 1),
                             EventLog::field("button", Index),
                             EventLog::field("right", answered.right ? 1 : 0),
                             EventLog::field("gamescore", round_->GameScore)});
    if (answered.finished)
        endQuiz();
    else
        showQuestion();
}

// The question file was checked when the board loaded, so it broke during the game (edited
// meanwhile): the quiz says so and ends as a close box ends it, without a bonus, and the game
// goes on. The box waits until the window has shown, as it does when the quiz is answered.
void QuizWindow::abandon(const ContentError& error) {
    round_.reset();
    ctx.log.write("error",
                  {EventLog::field("file", error.file()), EventLog::field("line", error.line())});
    const QString text = QString::fromStdString(error.what()) +
                         "\n\nThe quiz ends here without a bonus; the game goes on.";
    QTimer::singleShot(0, this, [this, text] {
        if (isBeingDestroyed())
            return;
        ctx.messages.show(this, text, "Tavrin", MessageBoxes::Buttons::Ok);
        if (!isBeingDestroyed())
            systemClose();
    });
}

void QuizWindow::endQuiz() {
    const long long points = round_->GameScore;
    ctx.messages.show(this, "Bonus: " + number(points), "Tavrin", MessageBoxes::Buttons::Ok);
    ctx.state.Score += points;
    ctx.log.write("bonus", {EventLog::field("game", "quiz"), EventLog::field("points", points),
                            EventLog::field("score", ctx.state.Score)});
    SoundHolder& sounds = ctx.windows.get<SoundHolder>();
    sounds.mmcBoo.setCommand("Close");
    sounds.mmcYeah.setCommand("Close");
    ctx.state.MapActive = true;
    ctx.windows.get<DieWindow>().timer("Timer1").setInterval(DieWindow::kTurningInterval);
    ctx.windows.unloadForm(*this);
}

// Closed before the end (close box, or the board's end sequence): no bonus, and the devices
// and the die are left as they are; only the board takes throws again.
void QuizWindow::onUnload() {
    ctx.state.MapActive = true;
}

void QuizWindow::systemClose() {
    ctx.log.write("close", {EventLog::field("game", "quiz")});
    GameWindow::systemClose();
}

} // namespace tavrin
