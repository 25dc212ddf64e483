#include "games/frm_game2.h"

#include "app/app_context.h"
#include "art/frm_gra.h"
#include "board/frm_dice.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "controls/vb_timer.h"
#include "games/target_positions.h"
#include "games/target_scoring.h"
#include "layouts/window_layouts.h"
#include "windows/frm_snd.h"

#include <QHelpEvent>
#include <QToolTip>
#include <string>

namespace tavrin {
namespace {

QString joined(const std::array<TargetPosition, kTargetCount>& positions, int TargetPosition::*of) {
    QStringList values;
    for (const TargetPosition& p : positions)
        values << QString::number(p.*of);
    return values.join(',');
}

} // namespace

FrmGame2::FrmGame2(AppContext& ctx) : Form(ctx, layout::frmGame2Layout()) {
    setKeepsActivation(true);
    for (int i = 0; i < kTargetCount; ++i) {
        ImageControl& target = image("imgTarget", i);
        connect(&target, &ImageControl::Click, this, [this, i] { imgTarget_Click(i); });
        target.installEventFilter(this);
    }
    connect(&timer("Timer1"), &VbTimer::Timer, this, &FrmGame2::Timer1_Timer);
    connect(&timer("Timer2"), &VbTimer::Timer, this, &FrmGame2::Timer2_Timer);
}

void FrmGame2::Form_Load() {
    ctx.rng.reseed();
    for (int i = 0; i < kTargetCount; ++i)
        if (isCauseTarget(i))
            image("imgTarget", i).setCursor(Qt::CrossCursor);
    FrmSnd& snd = ctx.forms.get<FrmSnd>();
    snd.mmcHit3.setCommand("Open");
    snd.mmcBlip2.setCommand("Open");
    snd.mmcHit3.setCommand("sound"); // the game opens with a shot
    countdown_.emplace(ctx.clock);
    ctx.state.MapActive = false;
    ctx.forms.get<FrmDice>().timer("Timer1").setInterval(0);
    GameScore = 0;
}

void FrmGame2::imgTarget_Click(int Index) {
    GameScore += targetPoints(Index);
    FrmSnd& snd = ctx.forms.get<FrmSnd>();
    playSound(isCauseTarget(Index) ? snd.mmcHit3 : snd.mmcBlip2);
    label("lblScore").setCaption(QString::fromStdString(targetScoreCaption(GameScore)));
    ctx.log.write("hit",
                  {EventLog::field("target", Index), EventLog::field("gamescore", GameScore)});
}

// Both timers may still tick between the unload and the window's deferred deletion; such a
// tick must neither move nor end a game that is already gone.
void FrmGame2::Timer1_Timer() {
    if (isBeingDestroyed())
        return;
    const auto positions = drawTargetPositions(ctx.rng);
    for (int i = 0; i < kTargetCount; ++i)
        moveControl(image("imgTarget", i), positions[i].left, positions[i].top);
    // Where the targets stand, so that a test driving the real window can aim at them.
    ctx.log.write("targets",
                  {EventLog::field("left", joined(positions, &TargetPosition::left).toStdString()),
                   EventLog::field("top", joined(positions, &TargetPosition::top).toStdString())});
}

void FrmGame2::Timer2_Timer() {
    if (isBeingDestroyed())
        return;
    const TargetCountdown::Tick tick = countdown_->tick();
    switch (tick.state) {
    case TargetCountdown::State::Running:
        showClock(countdownDigits(tick.secondsLeft));
        break;
    case TargetCountdown::State::TimeUp:
        timeOver(); // the digits keep the last time shown
        break;
    case TargetCountdown::State::AlreadyOver:
        break; // a tick while the bonus message is open
    }
}

void FrmGame2::showClock(const std::array<int, 6>& digits) {
    const FrmGra& bank = ctx.forms.get<FrmGra>();
    const char* const names[] = {"imgMin", "imgMin", "imgSec", "imgSec", "imgMSec", "imgMSec"};
    for (int i = 0; i < 6; ++i)
        image(names[i], i % 2).setPicture(bank.RedDigit(digits[i]));
}

void FrmGame2::timeOver() {
    const long long points = GameScore;
    ctx.messages.show(this, QString::fromStdString(targetBonusText(points)), "Tavrin",
                      MessageBoxes::Buttons::Ok);
    ctx.state.Score += points;
    ctx.log.write("bonus", {EventLog::field("game", "target"), EventLog::field("points", points),
                            EventLog::field("score", ctx.state.Score)});
    FrmSnd& snd = ctx.forms.get<FrmSnd>();
    snd.mmcHit3.setCommand("Close");
    snd.mmcBlip2.setCommand("Close");
    ctx.state.MapActive = true;
    ctx.forms.get<FrmDice>().timer("Timer1").setInterval(FrmDice::kTurningInterval);
    ctx.forms.unloadForm(*this);
}

// Closed before the time is up (close box, or the board's end sequence): no bonus, and the
// devices and the die are left as they are; only the board takes throws again.
void FrmGame2::Form_Unload(int&) {
    ctx.state.MapActive = true;
}

void FrmGame2::systemClose() {
    ctx.log.write("close", {EventLog::field("game", "target")});
    Form::systemClose();
}

// Wait off first, so that the command never holds up the game.
void FrmGame2::playSound(MMControl& device) {
    device.setWait(false);
    device.setCommand("sound");
}

// Tooltips are stored as designed, with bare carriage returns; shown, each one breaks the line.
bool FrmGame2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return Form::eventFilter(watched, event);
    auto* target = static_cast<QWidget*>(watched);
    QString text = target->toolTip();
    text.replace('\r', '\n');
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, target);
    return true;
}

} // namespace tavrin
