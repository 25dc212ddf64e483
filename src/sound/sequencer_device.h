#pragma once

#include "sound/audio_engine.h"
#include "sound/sound_device.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

namespace tavrin {

// A MIDI tune played as SDL_mixer music through FluidSynth. FluidSynth reports the end seconds
// after the last note, while the voices die away; the device knows the tune's length from the
// file and reports the end itself when the last note is reached, so a loop restarts promptly.
// SDL's own end report still counts when it comes first, and is the only one for a tune too
// long to time. A device opened while the engine's output is still opening gets its tune once
// the output is open; a play asked for meanwhile then starts, from the beginning of the tune.
class SequencerDevice final : public QObject, public SoundDevice {
    Q_OBJECT
public:
    using EndHandler = std::function<void()>;
    // Nothing when the file is not a MIDI file with notes, or the engine has no output (or,
    // once open, cannot load the tune).
    static std::unique_ptr<SequencerDevice> open(AudioEngine& engine, const QString& path,
                                                 EndHandler onNotifiedEnd);
    ~SequencerDevice() override;

    void play(bool notify) override;
    void sound() override;
    void seekToStart() override;
    void seekToEnd() override;
    bool isPlaying() const override { return playing_; }

private:
    SequencerDevice(AudioEngine& engine, MusicPtr music, const QString& path, double lengthSeconds,
                    EndHandler onNotifiedEnd);
    void startPlaying();
    void onEngineStarted(bool open);
    void stop();
    bool ownsTheMusic() const;
    void reachEnd();
    void onMusicFinished(unsigned play);

    QPointer<AudioEngine> engine_; // a window destroyed late may outlive the engine
    MusicPtr music_;               // none until the engine's output is open
    QString path_;
    double length_; // seconds to the last note
    EndHandler onNotifiedEnd_;
    QTimer endTimer_;
    // Only the two ends of a single-track tune can be sought, so the position is one of them.
    bool atEnd_ = false;
    unsigned play_ = 0;    // the engine's number for our latest start
    bool playing_ = false; // or waiting for the output to start playing
    bool notify_ = false;
};

} // namespace tavrin
