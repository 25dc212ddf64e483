#include "windows/target_game_window.h"

#include "controls/image_control.h"
#include "controls/interval_timer.h"
#include "controls/label_control.h"
#include "controls/reading_control.h"
#include "layouts/window_layouts.h"
#include "rules/target_positions.h"
#include "rules/target_scoring.h"
#include "windows/accessible_names.h"
#include "windows/app_context.h"
#include "windows/image_bank.h"

#include <QHelpEvent>
#include <QRegularExpression>
#include <QToolTip>
#include <string>

namespace tavrin {
namespace {

std::string joined(const std::array<rules::TargetPosition, rules::kTargetCount>& positions,
                   int rules::TargetPosition::*of) {
    std::string values;
    for (const rules::TargetPosition& p : positions)
        values += (values.empty() ? "" : ",") + std::to_string(p.*of);
    return values;
}

// A target's tooltip as words in a sentence: the design spaces Chinese characters apart and
// breaks lines with carriage returns.
QString habitName(QString tooltip) {
    tooltip.replace('\r', ' ');
    static const QRegularExpression spaceBetweenChinese(
        "(?<=[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]) "
        "+(?=[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}])");
    return tooltip.remove(spaceBetweenChinese).simplified();
}

} // namespace

TargetGameWindow::TargetGameWindow(AppContext& ctx)
    : MiniGameWindow(ctx, layout::targetGameWindowLayout(), rules::MiniGame::Target) {
    for (int i = 0; i < rules::kTargetCount; ++i) {
        ImageControl& target = image("targets", i);
        connect(&target, &ImageControl::clicked, this, [this, i] { onTargetClicked(i); });
        target.installEventFilter(this);
    }
    connect(&timer("jumpTimer"), &IntervalTimer::ticked, this, &TargetGameWindow::onJumpTick);
    connect(&timer("clockTimer"), &IntervalTimer::ticked, this, &TargetGameWindow::onClockTick);
}

// In learning mode the crosshair shows over every target, so that only knowing tells the
// causes from the healthy habits.
void TargetGameWindow::onLoad() {
    ctx.rng.reseed();
    round_.emplace(ctx.clock, ctx.session.mode());
    for (int i = 0; i < rules::kTargetCount; ++i)
        if (rules::isCauseTarget(i) || !round_->rules().crosshairOverCauses)
            image("targets", i).setCursor(Qt::CrossCursor);
    openSounds().play(Effect::Hit); // the game opens with a shot
}

// In learning mode a target shot falls: it is gone until the targets next jump.
void TargetGameWindow::onTargetClicked(int target) {
    if (!ctx.session.hitTarget(*round_, target))
        return;
    const bool cause = rules::isCauseTarget(target);
    ctx.audio.play(cause ? Effect::Hit : Effect::Miss);
    label("score").setCaption(QString::fromStdString(round_->scoreCaption()));
    if (!cause)
        lastHabitShot_ = target;
    if (round_->rules().shotTargetFalls)
        image("targets", target).hide();
}

void TargetGameWindow::moveAim(bool forward) {
    if (!aiming_) {
        aiming_ = true;
        for (int i = 0; i < rules::kTargetCount; ++i)
            image("targets", i).setFocusPolicy(Qt::TabFocus);
    }
    focusNextPrevChild(forward);
}

QString TargetGameWindow::lesson() const {
    if (ctx.session.mode() != rules::GameMode::Learning)
        return {};
    return tr("你射中了 %1 個誘因和 %2 個健康習慣。記住：%3，對心臟有益！")
        .arg(round_->causesHit())
        .arg(round_->habitsHit())
        .arg(habitName(image("targets", lastHabitShot_).toolTip()));
}

// Both timers may still tick between the unload and the window's deferred deletion; such a
// tick must neither move nor end a game that is already gone.
void TargetGameWindow::onJumpTick() {
    if (isBeingDestroyed())
        return;
    round_->jumped();
    const auto positions = rules::drawTargetPositions(ctx.rng);
    for (int i = 0; i < rules::kTargetCount; ++i) {
        moveControl(image("targets", i), positions[i].left, positions[i].top);
        image("targets", i).show();
    }
    // Where the targets stand, so that a test driving the real window can aim at them.
    ctx.log.write("targets",
                  {rules::EventLog::field("left", joined(positions, &rules::TargetPosition::left)),
                   rules::EventLog::field("top", joined(positions, &rules::TargetPosition::top))});
}

void TargetGameWindow::onClockTick() {
    if (isBeingDestroyed())
        return;
    const rules::TargetCountdown::Tick tick = round_->tick();
    switch (tick.state) {
    case rules::TargetCountdown::State::Running:
        showClock(rules::countdownDigits(tick.secondsLeft));
        break;
    case rules::TargetCountdown::State::TimeUp: // the digits keep the last time shown
        finish(*round_, lesson());
        break;
    case rules::TargetCountdown::State::AlreadyOver:
        break; // a tick while the bonus message is open
    }
}

void TargetGameWindow::showClock(const std::array<int, 6>& digits) {
    const char* const rows[] = {"minuteDigits", "secondDigits", "hundredthDigits"};
    for (int i = 0; i < 6; ++i)
        image(rows[i / 2], i % 2).setPicture(images::redDigit(digits[i]));
    reading(*this, "clockReading").setReading(timeLeftReading(digits));
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
