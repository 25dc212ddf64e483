#pragma once

#include <QString>
#include <QStringList>

namespace tavrin {

// Where the content and sound files are when the command line does not say.
struct DataLocation {
    QString found;     // empty when no place holds them
    QStringList tried; // every place looked at, in order
};

// The data directory of an install whose program is in programDir.
QString installedDataDirectory(const QString& programDir);

// The places to look, in order: beside the program (the build tree), the install's data
// directory relative to the program (so that a relocated or unpacked install works), then
// <dir>/tavrin for each XDG data directory. Duplicates are left out.
QStringList dataDirectoryCandidates(const QString& programDir, const QStringList& xdgDataDirs);

// The first candidate that holds the game's data.
DataLocation findDataDirectory(const QStringList& candidates);

// The same for this program, from its own directory and the user's XDG data directories.
DataLocation findDataDirectory();

// Tells, on standard error, that no data was found and where the program looked.
void reportMissingData(const DataLocation& location);

} // namespace tavrin
