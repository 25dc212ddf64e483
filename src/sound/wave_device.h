#pragma once

#include "sound/audio_engine.h"
#include "sound/sound_device.h"

#include <QPointer>
#include <QString>
#include <memory>

namespace tavrin {

// A short sound held in memory and played on a channel of its own. Opened while the engine's
// output is still opening, it reads its file at its first sound after the output is open; a
// sound asked for before that is not heard.
class WaveDevice final : public SoundDevice {
public:
    // Nothing when the file cannot be read or the engine has no output.
    static std::unique_ptr<WaveDevice> open(AudioEngine& engine, const QString& path);
    ~WaveDevice() override;

    void play(bool notify) override;
    void sound() override;
    void seekToStart() override {}
    void seekToEnd() override {}
    bool isPlaying() const override;

private:
    WaveDevice(AudioEngine& engine, ChunkPtr chunk, const QString& path);

    QPointer<AudioEngine> engine_; // a window destroyed late may outlive the engine
    ChunkPtr chunk_;
    QString path_;
    int channel_;
};

} // namespace tavrin
