#include "windows/keyboard_control.h"

#include "controls/activation_key.h"
#include "layouts/layout.h"
#include "windows/app_context.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/drag_handle.h"
#include "windows/game_menu.h"
#include "windows/how_to_play_window.h"
#include "windows/quiz_window.h"
#include "windows/status_strip.h"
#include "windows/target_game_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace tavrin {
namespace {

constexpr int kArrowStep = 10; // pixels; with Shift, 1

bool isPlayingScreen(const GameWindow& window) {
    return qobject_cast<const BoardWindow*>(&window) || qobject_cast<const StatusStrip*>(&window) ||
           qobject_cast<const DieWindow*>(&window) || qobject_cast<const DragHandle*>(&window);
}

template <class W> W* staying(W* window) {
    return window && !window->isBeingDestroyed() ? window : nullptr;
}

// The quiz's answer for 1, 2 or 3 (on the main keys or the keypad), or -1.
int answerFor(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return -1;
    if (key.key() >= Qt::Key_1 && key.key() <= Qt::Key_3)
        return key.key() - Qt::Key_1;
    return -1;
}

// The keyboard's way to the right-click menu: the menu key, or Shift+F10.
bool isMenuKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

} // namespace

KeyboardControl::KeyboardControl(AppContext& ctx) : ctx_(ctx) {
    qApp->installEventFilter(this);
}

KeyboardControl::~KeyboardControl() {
    qApp->removeEventFilter(this);
}

bool KeyboardControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* window = staying(qobject_cast<GameWindow*>(static_cast<QWidget*>(watched)->window()));
    if (!window)
        return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (isPlayingScreen(*window))
        return onPlayingScreen(*window, key);
    if (auto* quiz = qobject_cast<QuizWindow*>(window))
        return inQuiz(*quiz, key);
    if (auto* game = qobject_cast<TargetGameWindow*>(window))
        return inTargetGame(*game, key);
    if (qobject_cast<HowToPlayWindow*>(window) && key.key() == Qt::Key_Escape) {
        window->close(); // a page to read: Esc puts it away, the game goes on
        return true;
    }
    return false;
}

bool KeyboardControl::onPlayingScreen(GameWindow& window, const QKeyEvent& key) {
    const bool once = !key.isAutoRepeat(); // a held key repeats only the arrows
    if (isMenuKey(key)) {
        if (once)
            openMenu(window);
        return true;
    }
    if (isActivationKey(key)) {
        if (DieWindow* die = staying(ctx_.windows.find<DieWindow>()); die && once)
            die->onDieClicked();
        return true;
    }
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    StatusStrip* status = staying(ctx_.windows.find<StatusStrip>());
    switch (key.key()) {
    case Qt::Key_F1:
        if (status && once)
            status->onHelpClicked();
        return true;
    case Qt::Key_F2:
        if (status && once)
            status->onInfoClicked();
        return true;
    case Qt::Key_F3:
        if (status && once)
            status->onSearchClicked();
        return true;
    case Qt::Key_Q:
        if (modifiers != Qt::ControlModifier)
            return false;
        [[fallthrough]];
    case Qt::Key_Escape:
        if (status && once)
            status->onExitClicked();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = modifiers & Qt::ShiftModifier ? 1 : kArrowStep;
        const int dx = key.key() == Qt::Key_Left ? -step : key.key() == Qt::Key_Right ? step : 0;
        const int dy = key.key() == Qt::Key_Up ? -step : key.key() == Qt::Key_Down ? step : 0;
        moveGroup(dx, dy);
        return true;
    }
    default:
        return false;
    }
}

void KeyboardControl::moveGroup(int dx, int dy) {
    DragHandle* handle = staying(ctx_.windows.find<DragHandle>());
    if (!handle)
        return;
    handle->raise(); // as when dragged
    handle->moveGroupBy(QPoint(dx, dy));
    handle->keepPlace();
}

// At the control with the focus, as a right click there would open it.
void KeyboardControl::openMenu(GameWindow& window) {
    const QWidget* at = window.focusWidget() ? window.focusWidget() : &window;
    GameMenu::popUp(window, ctx_, at->mapToGlobal(at->rect().center()));
}

bool KeyboardControl::inQuiz(QuizWindow& quiz, const QKeyEvent& key) {
    const int answer = answerFor(key);
    if (answer < 0)
        return false;
    if (!key.isAutoRepeat())
        quiz.answerButton(answer).click();
    return true;
}

// Tab and the arrow keys aim from target to target; Esc leaves.
bool KeyboardControl::inTargetGame(TargetGameWindow& game, const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Escape:
        game.close(); // as the close box does: no bonus
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Right:
    case Qt::Key_Down:
        game.moveAim(true);
        return true;
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Up:
        game.moveAim(false);
        return true;
    default:
        return false;
    }
}

} // namespace tavrin
