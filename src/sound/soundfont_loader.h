#pragma once

#include "sound/tune_presets.h"

#include <optional>

typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_hashtable_t fluid_settings_t;

namespace tavrin {

// Which presets the synthesizers read from their soundfonts: those of the tunes the program has
// said it will play (soundfont_subset.h). Until a tune is known, or once one could not be read,
// they read every preset. Kept presets are never dropped: a synthesizer still playing an earlier
// tune may load more of its samples at any time.
void keepPresetsOf(const std::optional<TunePresets>& tune);

// Gives the synthesizer, before it loads a soundfont, a loader that reads soundfonts cut down to
// the presets kept. FluidSynth's functions are found through SDL_mixer (mixer_library.h); false
// when they are not there, and the synthesizer then reads whole soundfonts.
bool readCutDownSoundFonts(fluid_synth_t* synth, fluid_settings_t* settings);

// How many times a synthesizer has opened a cut-down soundfont.
int cutDownSoundFontOpenings();

} // namespace tavrin
