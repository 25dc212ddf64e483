#pragma once

class QWidget;

namespace tavrin {

// Whether the window system lets the program place its top-level windows and read back where
// they are. Qt's Wayland backend does neither.
bool windowsCanBePlaced();

// Keeps a top-level window off the taskbar, the pager and the window switcher (Alt+Tab), where
// the window system lets a program ask for it (X11: the EWMH skip states). Call it before the
// window is shown, every time: window managers drop these states when a window is hidden.
void keepOffTaskbar(QWidget& window);

// Makes a shown top-level window stand for `owner` on the desktop (X11: WM_TRANSIENT_FOR),
// so that window managers keep it above its owner, minimise and restore it with the owner and
// leave it out of taskbars and window switchers; a null owner undoes it. Qt clears the hint
// of an ordinary window when it maps it: call this once the window is shown.
void setOwner(QWidget& window, const QWidget* owner);

// Whether the desktop shows a shaped window (QWidget::setMask) cut to its shape. Weston's X
// window manager shows the whole rectangle, and Xwayland fills what lies outside the shape;
// there a window is cut by transparency instead.
bool windowShapesShown();

// Whether a window manager runs (X11: an EWMH one announces itself on the root window).
bool windowManagerRuns();

} // namespace tavrin
