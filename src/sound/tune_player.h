#pragma once

#include <QByteArray>
#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace tavrin {

struct SoundLibraries;

// The background tune: FluidSynth's synthesizer and its MIDI player, looping the tune without a
// gap, rendered into SDL_mixer's music hook (render). start, stop and setLevel come from the UI
// thread, render from SDL's audio thread.
class TunePlayer {
public:
    // SDL_mixer's full music level, on which setLevel's levels are given.
    static constexpr int kFullLevel = 128;

    // Reads the soundfonts (a list as SDL_SOUNDFONTS takes it, later fonts winning) and checks
    // that FluidSynth can play the tune. Nothing when no font loads or the tune cannot be
    // played; `problem` then says why. Reading a soundfont takes a while: not on the UI thread.
    static std::unique_ptr<TunePlayer> load(const SoundLibraries& lib, const QString& soundFonts,
                                            const QByteArray& tune, int sampleRate,
                                            QString& problem);
    ~TunePlayer();
    TunePlayer(const TunePlayer&) = delete;
    TunePlayer& operator=(const TunePlayer&) = delete;

    void start(); // from the beginning, looping until stopped
    void stop();  // silent at once
    bool isPlaying() const { return playing_.load(); }
    void setLevel(int level);

    // SDL_mixer's music hook: fills `bytes` of 16-bit stereo.
    static void render(void* player, unsigned char* stream, int bytes);

private:
    TunePlayer(const SoundLibraries& lib, fluid_settings_t* settings, fluid_synth_t* synth,
               const QByteArray& tune);
    bool playsTheTune();
    void startPlayer(int loops);
    void dropPlayer();

    const SoundLibraries& lib_;
    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
    fluid_player_t* player_ = nullptr;
    QByteArray tune_;
    std::mutex lock_; // the player is changed only while the audio thread is not rendering
    std::atomic<bool> playing_{false};
};

} // namespace tavrin
