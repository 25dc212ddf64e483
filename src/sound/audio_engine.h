#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
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

// The program's one connection to the sound card, shared by every sound device. It opens the
// audio device once, at construction, with SDL's audio subsystem only. When there is no device
// (or the program is muted) it stays closed and every request quietly does nothing: the game is
// played in silence rather than stopped.
//
// SDL_mixer is global, so only one engine may exist at a time. All calls come from the UI
// thread; the end of the music, which SDL reports on its audio thread, is posted back to it.
class AudioEngine : public QObject {
    Q_OBJECT
public:
    struct Settings {
        bool mute = false; // never open a device
        // A list as SDL_SOUNDFONTS takes it; empty: the system's (sound_fonts.h).
        QString soundFont = {};
        int bufferFrames = 512; // about 12 ms at 44.1 kHz: effects start promptly
    };

    explicit AudioEngine(Settings settings);
    ~AudioEngine() override;
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    bool isOpen() const { return open_; }

    // Effects. Each wave device keeps a channel of its own, so a new start of its sound cuts
    // the previous one off instead of overlapping it.
    int reserveChannel();
    void releaseChannel(int channel);
    ChunkPtr loadChunk(const QString& path) const;
    void playChunk(int channel, Mix_Chunk* chunk);
    void haltChannel(int channel);
    bool isChannelPlaying(int channel) const;

    // Music: one tune at a time, always from its beginning (FluidSynth cannot seek). playMusic
    // returns a number identifying this start (0 when
    // nothing plays); musicFinished carries it, so an owner can tell its own end from a
    // stale report about an earlier start.
    MusicPtr loadMusic(const QString& path) const;
    unsigned playMusic(Mix_Music* music);
    void haltMusic();
    unsigned currentMusicPlay() const { return musicPlay_.load(); }
    bool isMusicPlaying() const;

signals:
    void musicFinished(unsigned play);

private:
    bool open(const Settings& settings);
    static void onMusicFinished();

    bool open_ = false;
    bool musicAvailable_ = false;
    std::vector<bool> channelInUse_;
    std::atomic<unsigned> musicPlay_{0};
    // Set while we halt the music ourselves: SDL reports that halt as an end too.
    std::atomic<bool> haltingMusic_{false};
    static std::atomic<AudioEngine*> openEngine_;
};

} // namespace tavrin
