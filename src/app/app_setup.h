#pragma once

class QApplication;

namespace tavrin {

// The look every window shares: the designed font faces mapped to installed free fonts of the
// same kind, and the default dialog font.
void setUpAppearance(QApplication& app);

// What desktops show for every window: the application's icon, and the name of its desktop
// entry so that a taskbar groups the windows under the installed launcher.
void setUpIdentity();

// Without a session bus, D-Bus would start one for the display (dbus-launch), which outlives
// the game and writes under ~/.dbus. The game then plays without a bus, as it does without
// assistive technology: a desktop session, and a screen reader, always have one. Before the
// application, whose first text connects.
void startNoSessionBus();

// Qt takes its scale factor (every window, text and picture, with the @2x pictures from 150 %
// on) when the application is built, from the environment: the size chosen in the menu goes
// there first, unless the user's environment sets a factor, which wins. Returns whether this
// run set it.
bool useChosenScale(int percent);
// Once the application is built: the programs the game starts (a browser for a link) keep
// their own size.
void forgetChosenScale();

} // namespace tavrin
