#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace tavrin {

// The SDL and SDL_mixer functions the sound engine calls. The program is not linked to them:
// SDL_mixer, SDL and FluidSynth bring some forty libraries (decoders, sound servers), which the
// dynamic loader would otherwise map and relocate before the first window appears (about 8 ms)
// and which a muted game never uses. They are loaded when the output opens, on the opening
// thread.
struct MixerLibrary {
    decltype(&SDL_SetHint) setHint;
    decltype(&SDL_InitSubSystem) initSubSystem;
    decltype(&SDL_QuitSubSystem) quitSubSystem;
    decltype(&Mix_OpenAudio) openAudio;
    decltype(&Mix_CloseAudio) closeAudio;
    decltype(&Mix_SetSoundFonts) setSoundFonts;
    decltype(&Mix_AllocateChannels) allocateChannels;
    decltype(&Mix_Volume) volume;
    decltype(&Mix_VolumeMusic) volumeMusic;
    decltype(&Mix_HookMusicFinished) hookMusicFinished;
    decltype(&Mix_LoadWAV) loadWav;
    decltype(&Mix_FreeChunk) freeChunk;
    decltype(&Mix_PlayChannel) playChannel;
    decltype(&Mix_HaltChannel) haltChannel;
    decltype(&Mix_Playing) playing;
    decltype(&Mix_LoadMUS) loadMusic;
    decltype(&Mix_FreeMusic) freeMusic;
    decltype(&Mix_PlayMusic) playMusic;
    decltype(&Mix_HaltMusic) haltMusic;
    decltype(&Mix_PlayingMusic) playingMusic;
};

// Loads the libraries the first time it is called, from any thread; later calls return the
// first result. Null when they are not installed (or lack a function): the game is then silent.
const MixerLibrary* loadMixerLibrary();

// The loaded functions: only once loadMixerLibrary() has succeeded.
const MixerLibrary& mixer();

// A function of SDL_mixer or of a library it uses (FluidSynth), or null: only once
// loadMixerLibrary() has succeeded.
void* mixerSymbol(const char* name);

} // namespace tavrin
