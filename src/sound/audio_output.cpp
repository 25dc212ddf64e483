#include "sound/audio_engine.h"
#include "sound/sound_file.h"
#include "sound/sound_fonts.h"
#include "sound/sound_libraries.h"
#include "sound/tune_player.h"

#include <QDir>
#include <QFile>
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
void sayNoSound(const char* what, const char* why) {
    std::fprintf(stderr, "tavrin: no sound %s(%s); the game plays in silence\n", what, why);
}

// The tune, when there is a soundfont to play it with; a missing or damaged tune is said once.
std::unique_ptr<TunePlayer> loadTune(const SoundLibraries& lib,
                                     const AudioEngine::Settings& settings) {
    // SDL_SOUNDFONTS or Debian's; without a soundfont the music is left out, the effects play.
    const QString soundFonts =
        settings.soundFont.isEmpty() ? systemSoundFonts() : settings.soundFont;
    if (!anySoundFontReadable(soundFonts))
        return nullptr;
    const QString path = QDir(settings.soundFolder).filePath(AudioEngine::tuneFileName());
    QString problem;
    std::unique_ptr<TunePlayer> tune;
    if (!lib.hasFluidSynth())
        problem = QString::fromStdString(lib.fluidSynthProblem);
    else if (const std::optional<QByteArray> bytes = readSoundFile(path, problem))
        tune = TunePlayer::load(lib, soundFonts, *bytes, AudioEngine::kOutputRate, problem);
    if (!tune)
        std::fprintf(stderr, "tavrin: cannot play %s (%s); the game goes on without music\n",
                     qPrintable(path), qPrintable(problem));
    return tune;
}

} // namespace

// Runs on the opening thread while no other SDL_mixer call is made. The SDL calls run on an
// SDL thread, started once SDL is loaded: SDL frees what it keeps for each thread (its error
// text) only for its own.
AudioEngine::Output AudioEngine::openOutput(const Settings& settings) {
    Output output;
    std::string problem;
    output.libraries = SoundLibraries::load(settings.libraries, problem);
    if (!output.libraries) {
        sayNoSound("", problem.c_str());
        return output;
    }
    const SoundLibraries& lib = *output.libraries;
    struct Job {
        const Settings& settings;
        Output& output;
    } job{settings, output};
    const auto open = [](void* data) {
        auto& [settings, output] = *static_cast<Job*>(data);
        const SoundLibraries& lib = *output.libraries;
        if (lib.snd_lib_error_set_handler)
            lib.snd_lib_error_set_handler(&ignoreAlsaComplaint);
        // SDL would otherwise catch SIGINT and SIGTERM for an event queue nobody reads, and the
        // program could no longer be stopped by a signal.
        lib.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (lib.SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            sayNoSound("device ", lib.SDL_GetError());
            return 0;
        }
        if (lib.Mix_OpenAudio(kOutputRate, AUDIO_S16SYS, 2, settings.bufferFrames) != 0) {
            sayNoSound("device ", lib.SDL_GetError());
            lib.SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return 0;
        }
        output.open = true;
        // Reading the soundfont is the slow part, and nothing waits for it yet: it yields the
        // processor to the windows (and every other program) rather than compete. Only this
        // thread is lowered: SDL's audio thread, started above, keeps its priority.
        setpriority(PRIO_PROCESS, gettid(), kLowestPriority);
        output.tune = loadTune(lib, settings);
        return 0;
    };
    if (SDL_Thread* thread = lib.SDL_CreateThread(open, "audio opener", &job))
        lib.SDL_WaitThread(thread, nullptr);
    return output;
}

void AudioEngine::closeOutput() {
    lib_->Mix_CloseAudio();
    lib_->SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace tavrin
