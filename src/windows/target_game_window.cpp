#include "windows/target_game_window.h"

#include "controls/image_control.h"
#include "controls/interval_timer.h"
#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "rules/target_positions.h"
#include "rules/target_scoring.h"
#include "windows/app_context.h"
#include "windows/die_window.h"
#include "windows/image_bank.h"
#include "windows/sound_holder.h"

#include <QHelpEvent>
#include <QToolTip>
#include <string>

namespace tavrin {
namespace {

QString joined(const std::array<rules::TargetPosition, rules::kTargetCount>& positions,
               int rules::TargetPosition::*of) {
    QStringList values;
    for (const rules::TargetPosition& p : positions)
        values << QString::number(p.*of);
    return values.join(',');
}

} // namespace

TargetGameWindow::TargetGameWindow(AppContext& ctx)
    : GameWindow(ctx, layout::targetGameWindowLayout()) {
    setKeepsActivation(true);
    for (int i = 0; i < rules::kTargetCount; ++i) {
        ImageControl& target = image("imgTarget", i);
        connect(&target, &ImageControl::Click, this, [this, i] { imgTarget_Click(i); });
        target.installEventFilter(this);
    }
    connect(&timer("Timer1"), &IntervalTimer::Timer, this, &TargetGameWindow::Timer1_Timer);
    connect(&timer("Timer2"), &IntervalTimer::Timer, this, &TargetGameWindow::Timer2_Timer);
}

void TargetGameWindow::onLoad() {
    ctx.rng.reseed();
    for (int i = 0; i < rules::kTargetCount; ++i)
        if (rules::isCauseTarget(i))
            image("imgTarget", i).setCursor(Qt::CrossCursor);
    SoundHolder& snd = ctx.windows.get<SoundHolder>();
    snd.mmcHit3.setCommand("Open");
    snd.mmcBlip2.setCommand("Open");
    snd.mmcHit3.setCommand("sound"); // the game opens with a shot
    countdown_.emplace(ctx.clock);
    ctx.state.MapActive = false;
    ctx.windows.get<DieWindow>().timer("Timer1").setInterval(0);
    GameScore = 0;
}

void TargetGameWindow::imgTarget_Click(int Index) {
    GameScore += rules::targetPoints(Index);
    SoundHolder& snd = ctx.windows.get<SoundHolder>();
    playSound(rules::isCauseTarget(Index) ? snd.mmcHit3 : snd.mmcBlip2);
    label("lblScore").setCaption(QString::fromStdString(rules::targetScoreCaption(GameScore)));
    ctx.log.write("hit", {rules::EventLog::field("target", Index),
                          rules::EventLog::field("gamescore", GameScore)});
}

// Both timers may still tick between the unload and the window's deferred deletion; such a
// tick must neither move nor end a game that is already gone.
void TargetGameWindow::Timer1_Timer() {
    if (isBeingDestroyed())
        return;
    const auto positions = rules::drawTargetPositions(ctx.rng);
    for (int i = 0; i < rules::kTargetCount; ++i)
        moveControl(image("imgTarget", i), positions[i].left, positions[i].top);
    // Where the targets stand, so that a test driving the real window can aim at them.
    ctx.log.write("targets",
                  {rules::EventLog::field(
                       "left", joined(positions, &rules::TargetPosition::left).toStdString()),
                   rules::EventLog::field(
                       "top", joined(positions, &rules::TargetPosition::top).toStdString())});
}

void TargetGameWindow::Timer2_Timer() {
    if (isBeingDestroyed())
        return;
    const rules::TargetCountdown::Tick tick = countdown_->tick();
    switch (tick.state) {
    case rules::TargetCountdown::State::Running:
        showClock(rules::countdownDigits(tick.secondsLeft));
        break;
    case rules::TargetCountdown::State::TimeUp:
        timeOver(); // the digits keep the last time shown
        break;
    case rules::TargetCountdown::State::AlreadyOver:
        break; // a tick while the bonus message is open
    }
}

void TargetGameWindow::showClock(const std::array<int, 6>& digits) {
    const ImageBank& bank = ctx.windows.get<ImageBank>();
    const char* const names[] = {"imgMin", "imgMin", "imgSec", "imgSec", "imgMSec", "imgMSec"};
    for (int i = 0; i < 6; ++i)
        image(names[i], i % 2).setPicture(bank.RedDigit(digits[i]));
}

void TargetGameWindow::timeOver() {
    const long long points = GameScore;
    ctx.messages.show(this, QString::fromStdString(rules::targetBonusText(points)), "Tavrin",
                      MessageBoxes::Buttons::Ok);
    ctx.state.Score += points;
    ctx.log.write("bonus", {rules::EventLog::field("game", "target"),
                            rules::EventLog::field("points", points),
                            rules::EventLog::field("score", ctx.state.Score)});
    SoundHolder& snd = ctx.windows.get<SoundHolder>();
    snd.mmcHit3.setCommand("Close");
    snd.mmcBlip2.setCommand("Close");
    ctx.state.MapActive = true;
    ctx.windows.get<DieWindow>().timer("Timer1").setInterval(DieWindow::kTurningInterval);
    ctx.windows.unloadForm(*this);
}

// Closed before the time is up (close box, or the board's end sequence): no bonus, and the
// devices and the die are left as they are; only the board takes throws again.
void TargetGameWindow::onUnload() {
    ctx.state.MapActive = true;
}

void TargetGameWindow::systemClose() {
    ctx.log.write("close", {rules::EventLog::field("game", "target")});
    GameWindow::systemClose();
}

// Wait off first, so that the command never holds up the game.
void TargetGameWindow::playSound(SoundControl& device) {
    device.setWait(false);
    device.setCommand("sound");
}

// Tooltips are stored as designed, with bare carriage returns; shown, each one breaks the line.
bool TargetGameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return GameWindow::eventFilter(watched, event);
    auto* target = static_cast<QWidget*>(watched);
    QString text = target->toolTip();
    text.replace('\r', '\n');
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, target);
    return true;
}

} // namespace tavrin
