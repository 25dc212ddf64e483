#include "windows/keyboard_focus.h"

#include "controls/focus_mark.h"
#include "controls/plain_tool_tip.h"
#include "windows/app_context.h"
#include "windows/die_window.h"
#include "windows/end_window.h"
#include "windows/key_list.h"
#include "windows/quiz_window.h"
#include "windows/start_window.h"
#include "windows/target_game_window.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWindow>

namespace tavrin {
namespace {

bool isShownAndStaying(const QWidget* window) {
    const auto* game = qobject_cast<const GameWindow*>(window);
    return window && window->isVisible() && !(game && game->isBeingDestroyed());
}

FocusMark* markOf(QWidget* window) {
    return window ? window->findChild<FocusMark*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace

void addKeyHints(GameWindow& window) {
    for (const GameWindow::BuiltControl& c : window.controls()) {
        const QString hint = keyHint(window.design().name, c.design->name);
        if (!c.design->tooltip.isEmpty() && !hint.isEmpty())
            c.widget->setToolTip(plainToolTip(window.translated(c.design->tooltip) + "  " + hint));
    }
}

void takeFocusFirst(QWidget& control) {
    control.setFocusPolicy(Qt::TabFocus);
    control.setFocus();
}

FocusKeeper::FocusKeeper(AppContext& ctx) : ctx_(ctx) {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &FocusKeeper::onFocusChanged);
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            [this](QWindow* window) { everFocused_ = everFocused_ || window; });
}

FocusKeeper::~FocusKeeper() {
    qApp->removeEventFilter(this);
}

bool FocusKeeper::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide)
        return false;
    if (!qobject_cast<GameWindow*>(watched) && !qobject_cast<QDialog*>(watched))
        return false;
    // Only while the game has the focus: a player busy in another program keeps it. A window
    // that closes with the focus still has it here (it is handed on only later, if at all).
    const QWindow* focused = QGuiApplication::focusWindow();
    if (type == QEvent::Hide && focused != static_cast<QWidget*>(watched)->windowHandle())
        return false;
    if (type == QEvent::Show && !focused && everFocused_)
        return false;
    if (!passPending_) {
        passPending_ = true;
        // Once the windows have settled: closing one window often opens the next.
        QTimer::singleShot(0, this, &FocusKeeper::passActivation);
    }
    return false;
}

void FocusKeeper::passActivation() {
    passPending_ = false;
    QWidget* wanted = windowInPlay();
    QWidget* active = QApplication::activeWindow();
    if (!wanted || active == wanted)
        return;
    // Another window of the game that stays open keeps the focus, unless a message box waits.
    if (isShownAndStaying(active) && !QApplication::activeModalWidget())
        return;
    wanted->activateWindow();
}

QWidget* FocusKeeper::windowInPlay() const {
    if (QWidget* box = QApplication::activeModalWidget())
        return box;
    const std::initializer_list<GameWindow*> byPriority{
        ctx_.windows.find<QuizWindow>(), ctx_.windows.find<TargetGameWindow>(),
        ctx_.windows.find<DieWindow>(), ctx_.windows.find<EndWindow>(),
        ctx_.windows.find<StartWindow>()};
    for (GameWindow* window : byPriority)
        if (isShownAndStaying(window))
            return window;
    return nullptr;
}

void FocusKeeper::onFocusChanged(QWidget* old, QWidget* now) {
    if (old)
        if (FocusMark* mark = markOf(old->window()))
            mark->follow(nullptr);
    if (!now || now->isWindow() || !qobject_cast<GameWindow*>(now->window()))
        return;
    FocusMark* mark = markOf(now->window());
    if (!mark)
        mark = new FocusMark(now->window());
    mark->follow(now);
}

} // namespace tavrin
