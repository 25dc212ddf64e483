#pragma once

#include <QString>
#include <QStringList>

namespace tavrin {

// The General MIDI soundfonts Debian ships, best first: the system default (chosen by the
// administrator through alternatives), then the small and the large font.
inline const QStringList kDebianSoundFonts{"/usr/share/sounds/sf2/default-GM.sf2",
                                           "/usr/share/sounds/sf2/TimGM6mb.sf2",
                                           "/usr/share/sounds/sf2/FluidR3_GM.sf2"};

// The soundfonts for the music, as a list in SDL_SOUNDFONTS form: the user's own list when
// given, otherwise the first of the candidates that can be read; empty when there is none.
QString chooseSoundFonts(const QString& userList, const QStringList& candidates);

// The same for this system: SDL_SOUNDFONTS from the environment, then Debian's fonts.
QString systemSoundFonts();

// True when at least one font of the list can be read, so that the music can sound.
bool anySoundFontReadable(const QString& list);

} // namespace tavrin
