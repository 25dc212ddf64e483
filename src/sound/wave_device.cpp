#include "sound/wave_device.h"

namespace tavrin {

std::unique_ptr<WaveDevice> WaveDevice::open(AudioEngine& engine, const QString& path) {
    ChunkPtr chunk = engine.loadChunk(path);
    if (!chunk)
        return nullptr;
    return std::unique_ptr<WaveDevice>(new WaveDevice(engine, std::move(chunk)));
}

WaveDevice::WaveDevice(AudioEngine& engine, ChunkPtr chunk)
    : engine_(&engine), chunk_(std::move(chunk)), channel_(engine.reserveChannel()) {}

WaveDevice::~WaveDevice() {
    if (engine_)
        engine_->releaseChannel(channel_);
}

// A wave device's position is back at the start whenever it is not playing, and nothing
// asks for its end: play only starts the sound when it is not already playing.
void WaveDevice::play(bool) {
    if (!isPlaying())
        sound();
}

void WaveDevice::sound() {
    if (engine_)
        engine_->playChunk(channel_, chunk_.get());
}

bool WaveDevice::isPlaying() const {
    return engine_ && engine_->isChannelPlaying(channel_);
}

} // namespace tavrin
