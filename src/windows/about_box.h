#pragma once

#include <QString>

class QWidget;

namespace tavrin {

class AppContext;

// The program's version, its licences and its credits.
QString aboutText();
void showAboutBox(AppContext& ctx, QWidget* parent);

} // namespace tavrin
