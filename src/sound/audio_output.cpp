#include "sound/audio_engine.h"
#include "sound/sound_fonts.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/resource.h>
#include <unistd.h>

namespace tavrin {

namespace {
constexpr int kLowestPriority = 19; // the highest nice value
}

// Runs on the opening thread while no other SDL_mixer call is made.
AudioEngine::Output AudioEngine::openOutput(const Settings& settings) {
    Output output;
    // SDL would otherwise catch SIGINT and SIGTERM for an event queue nobody reads, and the
    // program could no longer be stopped by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return output;
    if (Mix_OpenAudio(kOutputRate, AUDIO_S16SYS, 2, settings.bufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return output;
    }
    output.open = true;
    // Set explicitly, because SDL ignores SDL_SOUNDFONTS unless forced. Without a soundfont
    // FluidSynth would still "play" the tune, silently, printing errors and spending time:
    // leave the music out.
    const QString soundFonts =
        settings.soundFont.isEmpty() ? systemSoundFonts() : settings.soundFont;
    output.musicAvailable = anySoundFontReadable(soundFonts);
    Mix_SetSoundFonts(QFile::encodeName(soundFonts).constData());
    if (output.musicAvailable && !settings.preloadTune.isEmpty()) {
        // Reading the soundfont is the slow part, and nothing waits for it yet: it yields the
        // processor to the start window (and every other program) rather than compete. Only
        // this thread is lowered: SDL's audio thread, started above, keeps its priority.
        setpriority(PRIO_PROCESS, gettid(), kLowestPriority);
        output.preloadedTune.reset(
            Mix_LoadMUS(QFile::encodeName(settings.preloadTune).constData()));
    }
    return output;
}

void AudioEngine::closeOutput() {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace tavrin
