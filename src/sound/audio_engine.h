#pragma once

#include "sound/sound_library_names.h"
#include "sound/sound_service.h"
#include "sound/volume_ramp.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <array>
#include <atomic>
#include <memory>
#include <thread>

struct Mix_Chunk;

namespace tavrin {

struct SoundLibraries;
class TunePlayer;

// The game's sound through SDL_mixer: the effects as chunks, each on a channel of its own, and
// the tune through FluidSynth (tune_player.h). Loading the libraries (sound_libraries.h) and
// opening the output can take a tenth of a second (more where SDL probes for a card that is not
// there) and reading the soundfont longer, so start() does all three on a thread of its own
// while the UI goes on; started() says when it is done. Without the libraries or a device, or
// muted, it stays closed and every request quietly does nothing. Requests made while it opens
// are kept (volumes, open effects, the music) or dropped (plays).
//
// SDL_mixer is global, so only one engine may have an output at a time. SDL_mixer is not
// thread-safe: the opening thread makes the only calls until it has finished, and from then on
// every call comes from the UI thread.
class AudioEngine : public QObject, public SoundService {
    Q_OBJECT
public:
    struct Settings {
        bool mute = false;        // never open a device
        QString soundFolder = {}; // the effects and the tune (soundFileName)
        QString soundFont = {};   // a list as SDL_SOUNDFONTS takes it; empty: the system's
        int bufferFrames = 512;   // about 23 ms: effects start promptly
        SoundLibraryNames libraries = {};
    };

    // The effects are recorded at this rate, and the tune, rendered at it, keeps all but its
    // quietest highs (what lies above 11 kHz is 0.05 % of its energy) for half of FluidSynth's
    // work at 44.1 kHz.
    static constexpr int kOutputRate = 22050;

    static QString soundFileName(Effect effect);
    static QString tuneFileName() { return "p_samy.mid"; }

    enum class State { NotStarted, Starting, Open, Silent };

    explicit AudioEngine(Settings settings);
    ~AudioEngine() override;
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    void start() override;
    // Blocks until the opening has finished; true when the output is open.
    bool waitForStart();
    State state() const { return state_; }
    bool isOpen() const { return state_ == State::Open; }
    bool isSilent() const { return state_ == State::Silent; }

    void openEffectsOf(rules::MiniGame game) override;
    void closeEffectsOf(rules::MiniGame game) override;
    void play(Effect effect) override;
    bool isEffectOpen(Effect effect) const { return effects_[index(effect)].open; }
    bool isEffectPlaying(Effect effect) const;

    void startMusic() override;
    void stopMusic() override;
    bool isMusicPlaying() const;

    void setEffectsVolume(double volume) override;
    void setMusicVolume(double volume, int fadeMs = 0) override;
    double effectsVolume() const { return effectsVolume_; }
    double musicVolume() const { return musicVolume_; }

signals:
    void started(bool open);

private:
    struct EffectSlot {
        bool open = false;
        Mix_Chunk* chunk = nullptr; // loaded once open and the output is open
    };
    // What the opening thread leaves for the UI thread.
    struct Output {
        std::unique_ptr<const SoundLibraries> libraries;
        bool open = false;
        std::unique_ptr<TunePlayer> tune;
    };
    // Both in audio_output.cpp: the only SDL calls made off the UI thread, and their undoing.
    static Output openOutput(const Settings& settings);
    void closeOutput();

    static int index(Effect effect) { return int(effect); }
    bool claimOutput();
    void finishStart();
    void joinOpener();
    void loadEffect(Effect effect);
    void freeEffect(Effect effect);
    void applyEffectsLevel();
    void applyMusicLevel(int level);
    void reportOnce(const QString& file, const QString& problem);

    Settings settings_;
    State state_ = State::NotStarted;
    std::thread opener_;
    Output output_; // written by the opening thread, read after it has been joined
    std::unique_ptr<const SoundLibraries> lib_; // while open
    std::unique_ptr<TunePlayer> tune_;
    bool musicWanted_ = false;
    std::array<EffectSlot, 4> effects_;
    QSet<QString> reported_;
    double effectsVolume_ = 1;
    double musicVolume_ = 1;
    VolumeRamp musicRamp_;
    static std::atomic<AudioEngine*> outputOwner_;
};

} // namespace tavrin
