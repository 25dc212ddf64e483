#pragma once

#include <QObject>
#include <QPointer>

class QRegion;
class QWidget;

namespace tavrin {

class WindowRegistry;

// The game's windows act on the desktop as one program. The window the game stands on (the
// start window, the board while it shows, the end window) is its one taskbar entry and the
// one place in the window switcher; every other window (the strip, the die and the handle,
// the mini-games, help, message boxes) is kept off the taskbar and stands for it, so that the
// window manager keeps it above that window and minimises and restores it with it. Activating
// any of them brings the whole group up. Installed on the application, it sees every window.
class WindowGroup : public QObject {
    Q_OBJECT
public:
    explicit WindowGroup(const WindowRegistry& windows) : windows_(windows) {}

    // The window the others stand for now, or null between two of them.
    QWidget* mainWindow() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isMainKind(const QWidget& window) const;
    void standForMain(QWidget& main);

    const WindowRegistry& windows_;
    // Shown, and not yet on screen: the window manager may not know it yet.
    QPointer<QWidget> mainNotYetExposed_;
};

// Makes `window` translucent and everything of it outside `shape` transparent, whatever its
// background and controls paint there, for desktops that do not show window shapes. Call it
// before the window is first shown.
void clearOutsideShape(QWidget& window, const QRegion& shape);

} // namespace tavrin
