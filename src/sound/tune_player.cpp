#include "sound/tune_player.h"

#include "sound/sound_libraries.h"

#include <QFile>
#include <cstring>

namespace tavrin {

namespace {

// SDL_mixer's own FluidSynth music set the synthesizer's gain to 1.2 at its full level; the
// tune keeps the loudness it always had.
constexpr double kGainAtFullLevel = 1.2;
// The tune never sounds more than 7 notes at once, which take at most 20 voices with their
// releases: 32 leave room. Each voice costs memory.
constexpr int kVoices = 32;
constexpr int kTrialFrames = 64; // one block of the synthesizer

// FluidSynth prints its complaints on standard error line by line (thousands for a damaged
// tune); the game reports a damaged file once, in its own words.
void keepQuiet(int, const char*, void*) {}

void silenceFluidSynth(const SoundLibraries& lib) {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        lib.fluid_set_log_function(level, keepQuiet, nullptr);
}

QStringList fontsOf(const QString& list) {
    return QString(list).replace(';', ':').split(':', Qt::SkipEmptyParts);
}

} // namespace

std::unique_ptr<TunePlayer> TunePlayer::load(const SoundLibraries& lib, const QString& soundFonts,
                                             const QByteArray& tune, int sampleRate,
                                             QString& problem) {
    silenceFluidSynth(lib);
    fluid_settings_t* settings = lib.new_fluid_settings();
    lib.fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
    lib.fluid_settings_setint(settings, "synth.polyphony", kVoices);
    // The tune sends nothing to the chorus, yet FluidSynth would compute it all the time.
    lib.fluid_settings_setint(settings, "synth.chorus.active", 0);
    // Only the samples of the instruments the tune selects are read, not the whole font.
    lib.fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_synth_t* synth = lib.new_fluid_synth(settings);
    if (!synth) {
        lib.delete_fluid_settings(settings);
        problem = "FluidSynth cannot start";
        return nullptr;
    }
    std::unique_ptr<TunePlayer> player(new TunePlayer(lib, settings, synth, tune));
    int loaded = 0;
    for (const QString& font : fontsOf(soundFonts))
        loaded +=
            lib.fluid_synth_sfload(synth, QFile::encodeName(font).constData(), 1) != FLUID_FAILED;
    if (loaded == 0) {
        problem = "cannot read the soundfont " + soundFonts;
        return nullptr;
    }
    if (!player->playsTheTune()) {
        problem = "the tune is damaged";
        return nullptr;
    }
    return player;
}

TunePlayer::TunePlayer(const SoundLibraries& lib, fluid_settings_t* settings, fluid_synth_t* synth,
                       const QByteArray& tune)
    : lib_(lib), settings_(settings), synth_(synth), tune_(tune) {
    setLevel(kFullLevel);
}

TunePlayer::~TunePlayer() {
    dropPlayer();
    lib_.delete_fluid_synth(synth_);
    lib_.delete_fluid_settings(settings_);
}

// FluidSynth reads the tune when it starts playing it, and a looping player that cannot read
// it tries again for ever: a single play shows first whether it reads, and lasts.
bool TunePlayer::playsTheTune() {
    startPlayer(1);
    short block[kTrialFrames * 2];
    lib_.fluid_synth_write_s16(synth_, kTrialFrames, block, 0, 2, block, 1, 2);
    const bool plays = player_ && lib_.fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING &&
                       lib_.fluid_player_get_total_ticks(player_) > 0;
    dropPlayer();
    return plays;
}

void TunePlayer::start() {
    const std::lock_guard lock(lock_);
    startPlayer(-1);
    playing_ = true;
}

void TunePlayer::stop() {
    const std::lock_guard lock(lock_);
    playing_ = false;
    dropPlayer();
}

void TunePlayer::startPlayer(int loops) {
    dropPlayer();
    lib_.fluid_synth_system_reset(synth_);
    player_ = lib_.new_fluid_player(synth_);
    if (!player_)
        return;
    lib_.fluid_player_add_mem(player_, tune_.constData(), std::size_t(tune_.size()));
    lib_.fluid_player_set_loop(player_, loops);
    lib_.fluid_player_play(player_);
}

void TunePlayer::dropPlayer() {
    if (!player_)
        return;
    lib_.delete_fluid_player(player_);
    player_ = nullptr;
    lib_.fluid_synth_all_sounds_off(synth_, -1);
}

void TunePlayer::setLevel(int level) {
    lib_.fluid_synth_set_gain(synth_, float(kGainAtFullLevel * level / kFullLevel));
}

void TunePlayer::render(void* player, unsigned char* stream, int bytes) {
    auto* self = static_cast<TunePlayer*>(player);
    const std::lock_guard lock(self->lock_);
    if (!self->playing_) {
        std::memset(stream, 0, std::size_t(bytes));
        return;
    }
    self->lib_.fluid_synth_write_s16(self->synth_, bytes / 4, stream, 0, 2, stream, 1, 2);
}

} // namespace tavrin
