#pragma once

#include <QDir>
#include <QString>

// Writes the application icon into an icon theme directory (e.g. .../icons/hicolor): a PNG
// at each size launchers ask for, as <n>x<n>/apps/<id>.png, and scalable/apps/<id>.svg.
bool writeAppIcon(const QDir& themeDir, const QString& id);
