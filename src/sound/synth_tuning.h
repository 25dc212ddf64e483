#pragma once

namespace tavrin {

// How FluidSynth renders the music. SDL_mixer creates a FluidSynth synthesizer for each tune it
// loads, with FluidSynth's defaults, and offers no way to pass settings; synth_tuning.cpp steps
// into that creation to apply these.
struct SynthTuning {
    bool reverb = true;
    // The tune sends nothing to the chorus (a rendering without it is identical, sample for
    // sample), yet FluidSynth would compute it all the time.
    bool chorus = false;
    // The tune never sounds more than 7 notes at once, which take at most 20 voices with their
    // releases: 32 leave room. Each voice costs memory (32 more, about 0.5 MB).
    int polyphony = 32;
    // Only the instruments the tune selects are read from the soundfont, not all of it.
    bool loadOnlyUsedSamples = true;
    // Only the presets of the tunes played are loaded from the soundfont (soundfont_loader.h):
    // FluidSynth builds some kilobytes for each zone of each preset it loads.
    bool loadOnlyUsedPresets = true;

    static SynthTuning fluidSynthDefaults() { return {true, true, 256, false, false}; }
};

// Applies to every synthesizer created from now on.
void setSynthTuning(const SynthTuning& tuning);

// How many synthesizers have been created with the tuning. It stays 0 where SDL_mixer loads
// FluidSynth at run time instead of being linked to it: the tuning cannot reach it there, and
// FluidSynth's defaults apply.
int tunedSynthCount();

} // namespace tavrin
