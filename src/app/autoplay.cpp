#include "app/autoplay.h"

#include "controls/image_control.h"
#include "controls/label_control.h"
#include "windows/app_context.h"
#include "windows/die_window.h"
#include "windows/end_window.h"
#include "windows/quiz_window.h"
#include "windows/start_window.h"
#include "windows/target_game_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace tavrin {
namespace {

constexpr int kPollMs = 100;
constexpr int kReadingPauseMs = 1500;
constexpr int kThrowPauseMs = 700;
constexpr int kMessageAnswerMs = 1200;
constexpr int kThrowsBetweenShots = 8;

} // namespace

void clickWidget(QWidget& widget, Qt::MouseButton button) {
    const QPointF local = QRectF(widget.rect()).center();
    const QPointF global = widget.mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &release);
}

Autoplay::Autoplay(AppContext& ctx) : ctx_(ctx) {
    connect(&poll_, &QTimer::timeout, this, &Autoplay::step);
}

void Autoplay::start() {
    ctx_.messages.autoAnswerAfterMs = kMessageAnswerMs;
    poll_.start(kPollMs);
}

void Autoplay::step() {
    if (ctx_.messages.isOpen())
        return; // the box answers itself
    if (ctx_.windows.isLoaded<StartWindow>())
        stepStart();
    else if (ctx_.windows.isLoaded<EndWindow>())
        stepEnd();
    else if (QuizWindow* quiz = ctx_.windows.find<QuizWindow>()) {
        screenshotOnce(quiz, "quiz");
        autoplayQuizStep(ctx_, pace_);
    } else if (TargetGameWindow* target = ctx_.windows.find<TargetGameWindow>()) {
        screenshotOnce(target, "target");
        autoplayTargetStep(ctx_, pace_);
    } else if (ctx_.windows.isLoaded<DieWindow>())
        stepBoard();
}

void Autoplay::stepStart() {
    if (pace_.idleMs() < kReadingPauseMs)
        return;
    screenshot("01-start");
    pace_.acted();
    clickWidget(ctx_.windows.get<StartWindow>().startLink());
}

void Autoplay::stepBoard() {
    if (pace_.idleMs() < kThrowPauseMs || !ctx_.session.state().takingThrows)
        return;
    if (ctx_.session.state().trial == 1 ||
        ctx_.session.state().trial - throwsShot_ >= kThrowsBetweenShots) {
        throwsShot_ = ctx_.session.state().trial;
        screenshot(QString("02-board-throw-%1").arg(ctx_.session.state().trial, 2, 10, QChar('0')));
    }
    pace_.acted();
    clickWidget(ctx_.windows.get<DieWindow>().face());
}

void Autoplay::stepEnd() {
    if (pace_.idleMs() < kReadingPauseMs)
        return;
    EndWindow& end = ctx_.windows.get<EndWindow>();
    screenshot(end.linksShown() ? "04-end-links" : "03-end-score");
    pace_.acted();
    clickWidget(end.nextLink());
}

// One picture of each mini-game window as it opens, once it has been drawn.
void Autoplay::screenshotOnce(QWidget* window, const QString& name) {
    if (window == lastShotWindow_ || pace_.idleMs() < kThrowPauseMs)
        return;
    lastShotWindow_ = window;
    screenshot(QString("02-board-throw-%1-%2")
                   .arg(ctx_.session.state().trial, 2, 10, QChar('0'))
                   .arg(name));
}

void Autoplay::screenshot(const QString& name) {
    if (ctx_.options.screenshotDir.isEmpty())
        return;
    QDir().mkpath(ctx_.options.screenshotDir);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        screen->grabWindow(0).save(ctx_.options.screenshotDir + "/" + name + ".png");
}

} // namespace tavrin
