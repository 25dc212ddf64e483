#include "windows/window_group.h"

#include "platform/window_system.h"
#include "windows/board_window.h"
#include "windows/end_window.h"
#include "windows/start_window.h"
#include "windows/window_registry.h"

#include <QApplication>
#include <QChildEvent>
#include <QEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace tavrin {
namespace {

// Windows the window manager handles; menus, tooltips and the like come and go by themselves.
bool isDesktopWindow(const QWidget& widget) {
    if (!widget.isWindow() || widget.windowFlags().testFlag(Qt::X11BypassWindowManagerHint))
        return false;
    const Qt::WindowType type = widget.windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

// Qt writes the owner of dialogs and tool windows itself; an ordinary window's it clears.
bool needsOwner(const QWidget& window) {
    return window.windowType() == Qt::Window;
}

// Stands over all of a window's controls and clears what they painted outside the shape.
class OutsideShapeEraser : public QWidget {
public:
    OutsideShapeEraser(QWidget& window, const QRegion& shape)
        : QWidget(&window), outside_(QRegion(window.rect()) - shape) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(window.rect());
        raise();
        window.installEventFilter(this);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setClipRegion(outside_);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(rect(), Qt::transparent);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ChildAdded) // a control made later stays beneath
            QMetaObject::invokeMethod(this, &QWidget::raise, Qt::QueuedConnection);
        return false;
    }

private:
    QRegion outside_;
};

} // namespace

void clearOutsideShape(QWidget& window, const QRegion& shape) {
    window.setAttribute(Qt::WA_TranslucentBackground);
    new OutsideShapeEraser(window, shape);
}

bool WindowGroup::isMainKind(const QWidget& window) const {
    return &window == windows_.find<BoardWindow>() || &window == windows_.find<StartWindow>() ||
           &window == windows_.find<EndWindow>();
}

QWidget* WindowGroup::mainWindow() const {
    // The board first: the end window opens as the board goes.
    for (GameWindow* w : {static_cast<GameWindow*>(windows_.find<BoardWindow>()),
                          static_cast<GameWindow*>(windows_.find<EndWindow>()),
                          static_cast<GameWindow*>(windows_.find<StartWindow>())})
        if (w && w->isVisible() && !w->isBeingDestroyed())
            return w;
    return nullptr;
}

// The windows shown before `main` (the strip, the die and the handle open before the board)
// stand for it from now on.
void WindowGroup::standForMain(QWidget& main) {
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != &main && other->isVisible() && isDesktopWindow(*other) &&
            !isMainKind(*other) && needsOwner(*other))
            setOwner(*other, &main);
}

bool WindowGroup::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Expose) {
        // A window manager that took a window before its owner was its client let the owner
        // go unheard; once the owner is on screen the window manager knows both: say it again.
        if (mainNotYetExposed_ &&
            watched == static_cast<QObject*>(mainNotYetExposed_->windowHandle())) {
            QWidget& main = *mainNotYetExposed_;
            mainNotYetExposed_.clear();
            standForMain(main);
            if (windowManagerRuns())
                main.raise(); // its windows above it, where it keeps them
        }
        return false;
    }
    if (type != QEvent::Show && type != QEvent::ShowToParent && type != QEvent::WindowActivate)
        return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !isDesktopWindow(*window))
        return false;
    const bool isMain = isMainKind(*window);
    switch (type) {
    case QEvent::Show:
        // Before the window is mapped, so that the window manager sees it at once.
        if (!isMain)
            keepOffTaskbar(*window);
        break;
    case QEvent::ShowToParent: // mapped now
        if (!isMain) {
            if (QWidget* main = mainWindow(); main && needsOwner(*window))
                setOwner(*window, main);
        } else if (window == mainWindow()) {
            standForMain(*window);
            mainNotYetExposed_ = window;
        }
        break;
    case QEvent::WindowActivate:
        // The window manager raises the window clicked; the main window brings up the rest,
        // which it keeps above itself. Without a window manager nothing else covers them, and
        // a raised board would cover the handle.
        if (!isMain && windowManagerRuns())
            if (QWidget* main = mainWindow(); main && main != window)
                main->raise();
        break;
    default:
        break;
    }
    return false;
}

} // namespace tavrin
