#include "sound/sound_fonts.h"

#include <QFileInfo>
#include <QRegularExpression>
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
    // SDL_mixer separates the fonts of a list with colons or semicolons.
    static const QRegularExpression separators("[:;]");
    const QStringList fonts = list.split(separators, Qt::SkipEmptyParts);
    return std::any_of(fonts.begin(), fonts.end(),
                       [](const QString& font) { return QFileInfo(font).isReadable(); });
}

} // namespace tavrin
