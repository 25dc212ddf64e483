#pragma once

namespace tavrin {

// The sound libraries by the names the dynamic loader knows them by. SDL_mixer maps some forty
// libraries of its own (sound servers, decoders, FluidSynth's GLib); linked into the program they
// would all be mapped and relocated before main, muted or not. Loaded at run time once the first
// window is on screen (sound_libraries.h), they cost the start nothing.
struct SoundLibraryNames {
    const char* sdl = "libSDL2-2.0.so.0";
    const char* mixer = "libSDL2_mixer-2.0.so.0";
    const char* fluidSynth = "libfluidsynth.so.3"; // the music only: the effects play without it
    const char* alsa = "libasound.so.2";           // only to quiet its complaints
};

} // namespace tavrin
