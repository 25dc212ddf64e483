#include "games/frm_game1.h"

#include "app/app_context.h"
#include "board/frm_dice.h"
#include "content/content_error.h"
#include "controls/label_control.h"
#include "controls/vb_timer.h"
#include "layouts/window_layouts.h"
#include "sound/mm_control.h"
#include "windows/frm_snd.h"

#include <QPushButton>

namespace tavrin {
namespace {

QString number(long long value) {
    return QString::number(value);
}

// Wait off first, so that the command never holds up the quiz.
void playSound(MMControl& device) {
    device.setWait(false);
    device.setCommand("Sound");
}

} // namespace

FrmGame1::FrmGame1(AppContext& ctx) : Form(ctx, layout::frmGame1Layout()) {
    setKeepsActivation(true);
    for (int i = 0; i < kQuizChoiceCount; ++i)
        connect(&button("cmdAnswer", i), &QPushButton::clicked, this,
                [this, i] { cmdAnswer_Click(i); });
}

void FrmGame1::Form_Load() {
    ctx.state.MapActive = false;
    ctx.forms.get<FrmDice>().timer("Timer1").setInterval(0);
    FrmSnd& sounds = ctx.forms.get<FrmSnd>();
    sounds.mmcBoo.setCommand("Open");
    sounds.mmcYeah.setCommand("Open");
    try {
        round_.emplace(readQuizFile(ctx.dataDir()), ctx.rng);
    } catch (const ContentError& error) {
        ctx.fatal(error);
    }
    showQuestion();
}

void FrmGame1::showQuestion() {
    label("lblQuestion").setCaption(QString::fromStdString(round_->current().text));
    label("lblOption").setCaption(QString::fromStdString(round_->optionsText()));
}

void FrmGame1::cmdAnswer_Click(int Index) {
    // A click that slips in after the fifth answer (the window is on its way out) counts for
    // nothing.
    if (!round_ || round_->finished())
        return;
    QuizRound::Answered answered;
    try {
        answered = round_->answer(Index);
    } catch (const ContentError& error) {
        ctx.fatal(error);
    }
    FrmSnd& sounds = ctx.forms.get<FrmSnd>();
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

void FrmGame1::endQuiz() {
    const long long points = round_->GameScore;
    ctx.messages.show(this, "Bonus: " + number(points), "Tavrin", MessageBoxes::Buttons::Ok);
    ctx.state.Score += points;
    ctx.log.write("bonus", {EventLog::field("game", "quiz"), EventLog::field("points", points),
                            EventLog::field("score", ctx.state.Score)});
    FrmSnd& sounds = ctx.forms.get<FrmSnd>();
    sounds.mmcBoo.setCommand("Close");
    sounds.mmcYeah.setCommand("Close");
    ctx.state.MapActive = true;
    ctx.forms.get<FrmDice>().timer("Timer1").setInterval(FrmDice::kTurningInterval);
    ctx.forms.unloadForm(*this);
}

// Closed before the end (close box, or the board's end sequence): no bonus, and the devices
// and the die are left as they are; only the board takes throws again.
void FrmGame1::Form_Unload(int&) {
    ctx.state.MapActive = true;
}

void FrmGame1::systemClose() {
    ctx.log.write("close", {EventLog::field("game", "quiz")});
    Form::systemClose();
}

} // namespace tavrin
