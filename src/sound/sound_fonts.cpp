#include "sound/sound_fonts.h"

#include <QFileInfo>
#include <QtGlobal>
#include <algorithm>

namespace tavrin {

QString chooseSoundFonts(const QString& userList, const QStringList& candidates) {
    if (!userList.isEmpty())
        return userList;
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isReadable())
            return candidate;
    return {};
}

QString systemSoundFonts() {
    return chooseSoundFonts(qEnvironmentVariable("SDL_SOUNDFONTS"), kDebianSoundFonts);
}

bool anySoundFontReadable(const QString& list) {
    // SDL_mixer separates the fonts of a list with colons or semicolons. (A regular expression
    // would bring in, and compile with, a library of some 400 kB the game otherwise never uses.)
    const QStringList fonts = QString(list).replace(';', ':').split(':', Qt::SkipEmptyParts);
    return std::any_of(fonts.begin(), fonts.end(),
                       [](const QString& font) { return QFileInfo(font).isReadable(); });
}

} // namespace tavrin
