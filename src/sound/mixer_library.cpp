#include "sound/mixer_library.h"

#include <cstdio>
#include <dlfcn.h>

namespace tavrin {
namespace {

// SDL_mixer's name at run time throughout its 2.x series (Debian: libsdl2-mixer-2.0-0). SDL
// and FluidSynth come with it, as libraries it needs.
constexpr char kLibraryName[] = "libSDL2_mixer-2.0.so.0";

struct Loaded {
    void* handle = nullptr;
    MixerLibrary functions{};
    bool complete = false;
};

template <class Function> bool resolve(void* handle, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

bool resolveAll(void* h, MixerLibrary& f) {
    return resolve(h, f.setHint, "SDL_SetHint") &&
           resolve(h, f.initSubSystem, "SDL_InitSubSystem") &&
           resolve(h, f.quitSubSystem, "SDL_QuitSubSystem") &&
           resolve(h, f.openAudio, "Mix_OpenAudio") && resolve(h, f.closeAudio, "Mix_CloseAudio") &&
           resolve(h, f.setSoundFonts, "Mix_SetSoundFonts") &&
           resolve(h, f.allocateChannels, "Mix_AllocateChannels") &&
           resolve(h, f.volume, "Mix_Volume") && resolve(h, f.volumeMusic, "Mix_VolumeMusic") &&
           resolve(h, f.hookMusicFinished, "Mix_HookMusicFinished") &&
           resolve(h, f.loadWav, "Mix_LoadWAV") && resolve(h, f.freeChunk, "Mix_FreeChunk") &&
           resolve(h, f.playChannel, "Mix_PlayChannel") &&
           resolve(h, f.haltChannel, "Mix_HaltChannel") && resolve(h, f.playing, "Mix_Playing") &&
           resolve(h, f.loadMusic, "Mix_LoadMUS") && resolve(h, f.freeMusic, "Mix_FreeMusic") &&
           resolve(h, f.playMusic, "Mix_PlayMusic") && resolve(h, f.haltMusic, "Mix_HaltMusic") &&
           resolve(h, f.playingMusic, "Mix_PlayingMusic");
}

Loaded load() {
    Loaded loaded;
    // Bound at once, here on the opening thread, rather than at each function's first call
    // later on the UI thread. Local: the program's own new_fluid_synth (synth_tuning.cpp) still
    // comes first for SDL_mixer, as the program's symbols always do.
    loaded.handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!loaded.handle) {
        std::fprintf(stderr, "tavrin: no sound: %s\n", dlerror());
        return loaded;
    }
    loaded.complete = resolveAll(loaded.handle, loaded.functions);
    if (!loaded.complete)
        std::fprintf(stderr, "tavrin: no sound: %s lacks a function the game uses\n", kLibraryName);
    return loaded;
}

const Loaded& library() {
    static const Loaded loaded = load(); // once, whichever thread comes first
    return loaded;
}

} // namespace

const MixerLibrary* loadMixerLibrary() {
    return library().complete ? &library().functions : nullptr;
}

const MixerLibrary& mixer() {
    return library().functions;
}

void* mixerSymbol(const char* name) {
    return library().handle ? dlsym(library().handle, name) : nullptr;
}

} // namespace tavrin
