#pragma once

#include <QUrl>

class QWidget;

namespace tavrin {

class AppContext;

// Where the status strip's shields and the end window's links lead. The Info Center and the
// help page are shipped with the game, in its language, and open offline.
QUrl infoCenterAddress(const AppContext& ctx);
QUrl helpAddress(const AppContext& ctx);
// The project's home or licence page as built; the help page when none was given.
QUrl homeAddress(const AppContext& ctx);
// A web search for the exact phrase "coronary heart disease".
QUrl searchAddress();
// A mail to the address the game was built with; empty when it was built without one.
QUrl emailAddress();

// Shows a shipped page in the game's help window, and hands any other address to the desktop's
// default program. A missing page, or an address the desktop cannot open, is shown in a
// message box, and the game goes on.
void openLink(AppContext& ctx, QWidget* parent, const QUrl& address);

} // namespace tavrin
