#include "sound/synth_tuning.h"

#include "sound/mixer_library.h"
#include "sound/soundfont_loader.h"

#include <atomic>
#include <fluidsynth.h>
#include <mutex>

namespace tavrin {
namespace {

std::mutex tuningLock; // the music may be loaded on the audio start-up thread
SynthTuning tuning;
std::atomic<int> tunedSynths{0};

SynthTuning currentTuning() {
    const std::lock_guard lock(tuningLock);
    return tuning;
}

} // namespace

void setSynthTuning(const SynthTuning& newTuning) {
    const std::lock_guard lock(tuningLock);
    tuning = newTuning;
}

int tunedSynthCount() {
    return tunedSynths.load();
}

} // namespace tavrin

// SDL_mixer is linked to FluidSynth, and the dynamic linker looks in the program before the
// libraries: this definition is the one SDL_mixer calls. It completes the settings SDL_mixer
// made (which set only the sample rate) and hands over to FluidSynth's own function. The
// program is not linked to FluidSynth (mixer_library.h): both are found through SDL_mixer.
extern "C" fluid_synth_t* new_fluid_synth(fluid_settings_t* settings) {
    using Create = fluid_synth_t* (*)(fluid_settings_t*);
    using SetInt = decltype(&fluid_settings_setint);
    static const auto create = reinterpret_cast<Create>(tavrin::mixerSymbol("new_fluid_synth"));
    static const auto setInt =
        reinterpret_cast<SetInt>(tavrin::mixerSymbol("fluid_settings_setint"));
    if (!create)
        return nullptr;
    const tavrin::SynthTuning tuning = tavrin::currentTuning();
    if (setInt) {
        setInt(settings, "synth.reverb.active", tuning.reverb);
        setInt(settings, "synth.chorus.active", tuning.chorus);
        setInt(settings, "synth.polyphony", tuning.polyphony);
        setInt(settings, "synth.dynamic-sample-loading", tuning.loadOnlyUsedSamples);
    }
    fluid_synth_t* synth = create(settings);
    if (synth && setInt) {
        if (tuning.loadOnlyUsedPresets)
            tavrin::readCutDownSoundFonts(synth, settings);
        ++tavrin::tunedSynths;
    }
    return synth;
}
