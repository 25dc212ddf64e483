#include "app/data_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

namespace tavrin {
namespace {

// Every edition's pages are there, so their folder marks a data directory (the sound files may
// be missing: the game then plays in silence).
const QString kMarkerFile = "pages";

} // namespace

QString installedDataDirectory(const QString& programDir) {
    return QDir::cleanPath(QDir(programDir).filePath(TAVRIN_DATA_DIR_FROM_PROGRAM));
}

QStringList dataDirectoryCandidates(const QString& programDir, const QStringList& xdgDataDirs) {
    QStringList candidates{programDir, installedDataDirectory(programDir)};
    for (const QString& dir : xdgDataDirs)
        candidates << QDir(dir).filePath("tavrin");
    for (QString& candidate : candidates)
        candidate = QDir::cleanPath(candidate);
    candidates.removeDuplicates();
    return candidates;
}

DataLocation findDataDirectory(const QStringList& candidates) {
    DataLocation location;
    for (const QString& candidate : candidates) {
        location.tried << candidate;
        if (QFileInfo(QDir(candidate).filePath(kMarkerFile)).isDir()) {
            location.found = candidate;
            break;
        }
    }
    return location;
}

DataLocation findDataDirectory() {
    return findDataDirectory(dataDirectoryCandidates(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)));
}

void reportMissingData(const DataLocation& location) {
    std::fprintf(stderr,
                 "tavrin: cannot find the game's content and sound files (no %s) in any of:\n",
                 qPrintable(kMarkerFile));
    for (const QString& place : location.tried)
        std::fprintf(stderr, "  %s\n", qPrintable(place));
    std::fprintf(stderr, "Reinstall the game, or name the folder with --data-dir DIR.\n");
}

} // namespace tavrin
