#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tavrin {

// The game's own sound files are small (the tune 10 kB, the effects under 100 kB); anything
// much larger is not one of them and is not read.
inline constexpr qint64 kLargestSoundFile = 4 * 1024 * 1024;

// A sound file's bytes, when it is a regular file no larger than kLargestSoundFile that can be
// read whole; otherwise nothing, and `problem` says why.
std::optional<QByteArray> readSoundFile(const QString& path, QString& problem);

} // namespace tavrin
