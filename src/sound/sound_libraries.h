#pragma once

#include "sound/sound_library_names.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <memory>
#include <string>

namespace tavrin {

// The public functions the game calls, each typed by its own declaration in the library's header.
// One function to a line: the formatter would pack the lists.
// clang-format off
#define TAVRIN_SDL_FUNCTIONS(F) \
    F(SDL_SetHint) \
    F(SDL_InitSubSystem) \
    F(SDL_QuitSubSystem) \
    F(SDL_GetError) \
    F(SDL_CreateThread) \
    F(SDL_WaitThread) \
    F(SDL_RWFromConstMem)
#define TAVRIN_MIXER_FUNCTIONS(F) \
    F(Mix_OpenAudio) \
    F(Mix_CloseAudio) \
    F(Mix_AllocateChannels) \
    F(Mix_Volume) \
    F(Mix_HookMusic) \
    F(Mix_LoadWAV_RW) \
    F(Mix_FreeChunk) \
    F(Mix_PlayChannel) \
    F(Mix_HaltChannel) \
    F(Mix_Playing)
#define TAVRIN_FLUIDSYNTH_FUNCTIONS(F) \
    F(fluid_set_log_function) \
    F(new_fluid_settings) \
    F(delete_fluid_settings) \
    F(fluid_settings_setnum) \
    F(fluid_settings_setint) \
    F(new_fluid_synth) \
    F(delete_fluid_synth) \
    F(fluid_synth_sfload) \
    F(fluid_synth_write_s16) \
    F(fluid_synth_system_reset) \
    F(fluid_synth_all_sounds_off) \
    F(fluid_synth_set_gain) \
    F(new_fluid_player) \
    F(delete_fluid_player) \
    F(fluid_player_add_mem) \
    F(fluid_player_set_loop) \
    F(fluid_player_play) \
    F(fluid_player_get_status) \
    F(fluid_player_get_total_ticks)
#define TAVRIN_ALSA_FUNCTIONS(F) F(snd_lib_error_set_handler)
// clang-format on

// SDL_mixer's, SDL's and FluidSynth's functions, loaded at run time. The libraries stay loaded
// for the rest of the program (SDL keeps threads of its own); loading them again is cheap.
struct SoundLibraries {
#define TAVRIN_SOUND_FUNCTION(name) decltype(&::name) name = nullptr;
    TAVRIN_SDL_FUNCTIONS(TAVRIN_SOUND_FUNCTION)
    TAVRIN_MIXER_FUNCTIONS(TAVRIN_SOUND_FUNCTION)
    TAVRIN_FLUIDSYNTH_FUNCTIONS(TAVRIN_SOUND_FUNCTION)
    TAVRIN_ALSA_FUNCTIONS(TAVRIN_SOUND_FUNCTION)
#undef TAVRIN_SOUND_FUNCTION

    // Nothing without SDL and SDL_mixer, `problem` then says why; FluidSynth or libasound may
    // be missing (hasFluidSynth, fluidSynthProblem; snd_lib_error_set_handler is then null).
    static std::unique_ptr<const SoundLibraries> load(const SoundLibraryNames& names,
                                                      std::string& problem);
    bool hasFluidSynth() const {
        return fluidSynthProblem.empty();
    }
    std::string fluidSynthProblem;
};

} // namespace tavrin
