#include "windows/target_game_window.h"

#include "controls/accessible.h"
#include "controls/image_control.h"
#include "controls/interval_timer.h"
#include "controls/label_control.h"
#include "controls/reading_control.h"
#include "layouts/window_layouts.h"
#include "rules/event_log.h"
#include "rules/random.h"
#include "rules/target_positions.h"
#include "rules/target_scoring.h"
#include "sound/sound_service.h"
#include "windows/accessible_names.h"
#include "windows/image_bank.h"

#include <QHelpEvent>
#include <QRegularExpression>
#include <QToolTip>
#include <algorithm>
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

template <std::size_t A, std::size_t B, std::size_t C>
std::array<ImageControl*, A + B + C> joined(const std::array<ImageControl*, A>& a,
                                            const std::array<ImageControl*, B>& b,
                                            const std::array<ImageControl*, C>& c) {
    std::array<ImageControl*, A + B + C> all;
    auto next = std::copy(a.begin(), a.end(), all.begin());
    next = std::copy(b.begin(), b.end(), next);
    std::copy(c.begin(), c.end(), next);
    return all;
}

} // namespace

TargetGameWindow::TargetGameWindow(const WindowBasics& basics, SoundService& audio,
                                   MessageBoxes& messages, rules::Random& rng, rules::EventLog& log)
    : MiniGameWindow(basics, layout::targetGameWindowLayout(), rules::MiniGame::Target, audio,
                     messages),
      rng_(rng), log_(log), targets_(bind(layout::targetGame::targets)),
      score_(bind(layout::targetGame::score)),
      clockDigits_(joined(bind(layout::targetGame::minuteDigits),
                          bind(layout::targetGame::secondDigits),
                          bind(layout::targetGame::hundredthDigits))),
      jumpTimer_(bind(layout::targetGame::jumpTimer)),
      clockTimer_(bind(layout::targetGame::clockTimer)) {
    describe();
    for (int i = 0; i < rules::kTargetCount; ++i) {
        connect(targets_[i], &ImageControl::clicked, this, [this, i] { onTargetClicked(i); });
        targets_[i]->installEventFilter(this);
    }
    connect(&jumpTimer_, &IntervalTimer::ticked, this, &TargetGameWindow::onJumpTick);
    connect(&clockTimer_, &IntervalTimer::ticked, this, &TargetGameWindow::onClockTick);
}

// Each target is read by what it shows; the clock's digits as one reading.
void TargetGameWindow::describe() {
    for (ImageControl* target : targets_)
        accessible::setName(*target, QString(target->toolTip()).replace('\r', ' ').simplified(),
                            false);
    clockReading_ = &addReading(*this, "clockReading", boxOf(clockDigits_));
    hideRow(clockDigits_);
}

// In learning mode the crosshair shows over every target, so that only knowing tells the
// causes from the healthy habits.
void TargetGameWindow::onLoad() {
    rng_.reseed();
    round_.emplace(clock(), session().mode());
    for (int i = 0; i < rules::kTargetCount; ++i)
        if (rules::isCauseTarget(i) || !round_->rules().crosshairOverCauses)
            targets_[i]->setCursor(Qt::CrossCursor);
    openSounds().play(Effect::Hit); // the game opens with a shot
}

// In learning mode a target shot falls: it is gone until the targets next jump.
void TargetGameWindow::onTargetClicked(int target) {
    if (!session().hitTarget(*round_, target))
        return;
    const bool cause = rules::isCauseTarget(target);
    audio_.play(cause ? Effect::Hit : Effect::Miss);
    score_.setCaption(QString::fromStdString(round_->scoreCaption()));
    if (!cause)
        lastHabitShot_ = target;
    if (round_->rules().shotTargetFalls)
        targets_[target]->hide();
}

void TargetGameWindow::moveAim(bool forward) {
    if (!aiming_) {
        aiming_ = true;
        for (ImageControl* target : targets_)
            target->setFocusPolicy(Qt::TabFocus);
    }
    focusNextPrevChild(forward);
}

QString TargetGameWindow::lesson() const {
    if (session().mode() != rules::GameMode::Learning)
        return {};
    return tr("你射中了 %1 個誘因和 %2 個健康習慣。記住：%3，對心臟有益！")
        .arg(round_->causesHit())
        .arg(round_->habitsHit())
        .arg(habitName(targets_[lastHabitShot_]->toolTip()));
}

// Both timers may still tick between the unload and the window's deferred deletion; such a
// tick must neither move nor end a game that is already gone.
void TargetGameWindow::onJumpTick() {
    if (isBeingDestroyed())
        return;
    round_->jumped();
    const auto positions = rules::drawTargetPositions(rng_);
    for (int i = 0; i < rules::kTargetCount; ++i) {
        // The targets' places are drawn in the layout's units.
        targets_[i]->move(layout::px(positions[i].left), layout::px(positions[i].top));
        targets_[i]->show();
    }
    // Where the targets stand, so that a test driving the real window can aim at them.
    log_.write("targets",
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
    for (std::size_t i = 0; i < digits.size(); ++i)
        clockDigits_[i]->setPicture(images::redDigit(digits[i]));
    clockReading_->setReading(timeLeftReading(digits));
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
