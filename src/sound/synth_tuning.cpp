#include "sound/synth_tuning.h"

#include <atomic>
#include <dlfcn.h>
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
// made (which set only the sample rate) and hands over to FluidSynth's own function.
extern "C" fluid_synth_t* new_fluid_synth(fluid_settings_t* settings) {
    using Create = fluid_synth_t* (*)(fluid_settings_t*);
    static const auto create = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "new_fluid_synth"));
    if (!create)
        return nullptr;
    const tavrin::SynthTuning tuning = tavrin::currentTuning();
    fluid_settings_setint(settings, "synth.reverb.active", tuning.reverb);
    fluid_settings_setint(settings, "synth.chorus.active", tuning.chorus);
    fluid_settings_setint(settings, "synth.polyphony", tuning.polyphony);
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", tuning.loadOnlyUsedSamples);
    fluid_synth_t* synth = create(settings);
    if (synth)
        ++tavrin::tunedSynths;
    return synth;
}
