#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace tavrin {

class AppContext;

// How long autoplay has been idle, so that each step waits a human pause first.
class AutoplayPace {
public:
    AutoplayPace() { idle_.start(); }
    qint64 idleMs() const { return idle_.elapsed(); }
    void acted() { idle_.restart(); }

private:
    QElapsedTimer idle_;
};

// A real mouse click (press and release) on the middle of a widget, through its handlers.
void clickWidget(QWidget& widget, Qt::MouseButton button = Qt::LeftButton);

// Each mini-game plays itself a step at a time while it is open.
void autoplayQuizStep(AppContext& ctx, AutoplayPace& pace);
void autoplayTargetStep(AppContext& ctx, AutoplayPace& pace);

// Plays a whole game by itself through the windows' own handlers and timers: starts, throws
// the die at a human pace, plays the mini-games, answers message boxes, turns the end pages.
class Autoplay : public QObject {
    Q_OBJECT
public:
    explicit Autoplay(AppContext& ctx);
    void start();

private:
    void step();
    void stepStart();
    void stepBoard();
    void stepEnd();
    void screenshot(const QString& name);
    void screenshotOnce(QWidget* window, const QString& name);

    AppContext& ctx_;
    QTimer poll_;
    AutoplayPace pace_;
    int throwsShot_ = 0;
    QPointer<QWidget> lastShotWindow_;
};

} // namespace tavrin
