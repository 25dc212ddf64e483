#include "sound/sound_file.h"

#include <QFile>
#include <QFileInfo>

namespace tavrin {

std::optional<QByteArray> readSoundFile(const QString& path, QString& problem) {
    const QFileInfo info(path);
    if (!info.exists()) {
        problem = "it is missing";
        return std::nullopt;
    }
    if (!info.isFile() || info.size() > kLargestSoundFile) {
        problem = "it is not a sound file of the game";
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        problem = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(kLargestSoundFile + 1);
    if (bytes.size() > kLargestSoundFile) { // grown since it was looked at
        problem = "it is not a sound file of the game";
        return std::nullopt;
    }
    return bytes;
}

} // namespace tavrin
