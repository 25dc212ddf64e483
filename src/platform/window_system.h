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

} // namespace tavrin
