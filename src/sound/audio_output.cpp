#include "sound/audio_engine.h"
#include "sound/sound_file.h"
#include "sound/sound_fonts.h"
#include "sound/tune_player.h"

#include <QDir>
#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace tavrin {

namespace {

constexpr int kLowestPriority = 19; // the highest nice value

// libasound prints a line for each card and device it looks for in vain (nine without a sound
// card) where SDL probes for one; SDL's own error says it in one.
void ignoreAlsaComplaint(const char*, int, const char*, int, const char*, ...) {}

// Said once, on the one line the player sees.
void sayNoDevice() {
    std::fprintf(stderr, "tavrin: no sound device (%s); the game plays in silence\n",
                 SDL_GetError());
}

// The tune, when there is a soundfont to play it with; a missing or damaged tune is said once.
std::unique_ptr<TunePlayer> loadTune(const AudioEngine::Settings& settings) {
    // SDL_SOUNDFONTS or Debian's; without a soundfont the music is left out, the effects play.
    const QString soundFonts =
        settings.soundFont.isEmpty() ? systemSoundFonts() : settings.soundFont;
    if (!anySoundFontReadable(soundFonts))
        return nullptr;
    const QString path = QDir(settings.soundFolder).filePath(AudioEngine::tuneFileName());
    QString problem;
    std::unique_ptr<TunePlayer> tune;
    if (const std::optional<QByteArray> bytes = readSoundFile(path, problem))
        tune = TunePlayer::load(soundFonts, *bytes, AudioEngine::kOutputRate, problem);
    if (!tune)
        std::fprintf(stderr, "tavrin: cannot play %s (%s); the game goes on without music\n",
                     qPrintable(path), qPrintable(problem));
    return tune;
}

} // namespace

// Runs on the opening thread while no other SDL_mixer call is made.
AudioEngine::Output AudioEngine::openOutput(const Settings& settings) {
    Output output;
    snd_lib_error_set_handler(&ignoreAlsaComplaint);
    // SDL would otherwise catch SIGINT and SIGTERM for an event queue nobody reads, and the
    // program could no longer be stopped by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        sayNoDevice();
        return output;
    }
    if (Mix_OpenAudio(kOutputRate, AUDIO_S16SYS, 2, settings.bufferFrames) != 0) {
        sayNoDevice();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return output;
    }
    output.open = true;
    // Reading the soundfont is the slow part, and nothing waits for it yet: it yields the
    // processor to the windows (and every other program) rather than compete. Only this
    // thread is lowered: SDL's audio thread, started above, keeps its priority.
    setpriority(PRIO_PROCESS, gettid(), kLowestPriority);
    output.tune = loadTune(settings);
    return output;
}

void AudioEngine::closeOutput() {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace tavrin
