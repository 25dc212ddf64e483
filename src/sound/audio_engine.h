#pragma once

#include "sound/synth_tuning.h"
#include "sound/volume_ramp.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace tavrin {

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const;
};
struct MusicDeleter {
    void operator()(Mix_Music* music) const;
};
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
using MusicPtr = std::unique_ptr<Mix_Music, MusicDeleter>;

// The program's one connection to the sound card, shared by every sound device, with SDL's
// audio subsystem only. Opening it can take a tenth of a second (more where SDL probes for a
// card that is not there), so start() opens it on a thread of its own while the UI goes on;
// started() says when it is done. When there is no device (or the program is muted) it stays
// closed and every request quietly does nothing: the game is played in silence rather than
// stopped. Requests made while it opens are kept (volumes) or dropped (effects); music asked
// for meanwhile starts once the output is open (see SequencerDevice).
//
// SDL_mixer is global, so only one engine may have an output at a time. SDL_mixer is not
// thread-safe: the opening thread makes the only calls until it has finished, and from then on
// every call comes from the UI thread; the end of the music, which SDL reports on its audio
// thread, is posted back to it.
class AudioEngine : public QObject {
    Q_OBJECT
public:
    struct Settings {
        bool mute = false; // never open a device
        // A list as SDL_SOUNDFONTS takes it; empty: the system's (sound_fonts.h).
        QString soundFont = {};
        int bufferFrames = 512; // about 23 ms: effects start promptly
        // A tune to load while the output opens: loading a tune starts a synthesizer and reads
        // the soundfont, which would otherwise hold up the window that first plays it.
        QString preloadTune;
        SynthTuning synth;
    };

    // The effects are recorded at this rate, and the tune, rendered at it, keeps all but its
    // quietest highs (what lies above 11 kHz is 0.05 % of its energy) for half of FluidSynth's
    // work at 44.1 kHz.
    static constexpr int kOutputRate = 22050;

    enum class State { NotStarted, Starting, Open, Silent };

    explicit AudioEngine(Settings settings);
    ~AudioEngine() override;
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    // Begins opening the output, once; later calls do nothing.
    void start();
    // Blocks until the opening has finished; true when the output is open.
    bool waitForStart();
    State state() const { return state_; }
    bool isOpen() const { return state_ == State::Open; }
    bool isSilent() const { return state_ == State::Silent; }

    // Volumes from 0 (silent) to 1 (full), applied with SDL_mixer's own volume calls. Effects
    // change at once. The music moves to its new volume over fadeMs and plays on meanwhile, so
    // that music turned down to nothing keeps its place in the tune.
    void setEffectsVolume(double volume);
    void setMusicVolume(double volume, int fadeMs = 0);
    double effectsVolume() const { return effectsVolume_; }
    double musicVolume() const { return musicVolume_; }

    // Effects. Each wave device keeps a channel of its own, so a new start of its sound cuts
    // the previous one off instead of overlapping it.
    int reserveChannel();
    void releaseChannel(int channel);
    ChunkPtr loadChunk(const QString& path) const;
    void playChunk(int channel, Mix_Chunk* chunk);
    void haltChannel(int channel);
    bool isChannelPlaying(int channel) const;

    // Music: one tune at a time, always from its beginning (FluidSynth cannot seek). playMusic
    // returns a number identifying this start (0 when nothing plays); musicFinished carries it,
    // so an owner can tell its own end from a stale report about an earlier start.
    MusicPtr loadMusic(const QString& path);
    unsigned playMusic(Mix_Music* music);
    void haltMusic();
    unsigned currentMusicPlay() const { return musicPlay_.load(); }
    bool isMusicPlaying() const;

signals:
    void started(bool open);
    void musicFinished(unsigned play);

private:
    // What the opening thread leaves for the UI thread.
    struct Output {
        bool open = false;
        bool musicAvailable = false;
        MusicPtr preloadedTune;
    };
    // Both in audio_output.cpp: the only SDL calls made off the UI thread, and their undoing.
    static Output openOutput(const Settings& settings);
    static void closeOutput();

    bool claimOutput();
    void finishStart();
    int effectsLevel() const;
    void applyEffectsLevel();
    void applyMusicLevel(int level);
    static void onMusicFinished();

    Settings settings_;
    State state_ = State::NotStarted;
    std::thread opener_;
    Output output_; // written by the opening thread, read after it has been joined
    bool musicAvailable_ = false;
    MusicPtr preloadedTune_;
    double effectsVolume_ = 1;
    double musicVolume_ = 1;
    VolumeRamp musicRamp_;
    std::vector<bool> channelInUse_;
    std::atomic<unsigned> musicPlay_{0};
    // Set while we halt the music ourselves: SDL reports that halt as an end too.
    std::atomic<bool> haltingMusic_{false};
    static std::atomic<AudioEngine*> outputOwner_;
};

} // namespace tavrin
