#include "sound/wave_device.h"

#include <QFileInfo>

namespace tavrin {

std::unique_ptr<WaveDevice> WaveDevice::open(AudioEngine& engine, const QString& path) {
    engine.start();
    if (engine.isSilent())
        return nullptr;
    ChunkPtr chunk;
    if (engine.isOpen()) {
        chunk = engine.loadChunk(path);
        if (!chunk)
            return nullptr;
    } else if (!QFileInfo(path).isReadable()) {
        return nullptr;
    }
    return std::unique_ptr<WaveDevice>(new WaveDevice(engine, std::move(chunk), path));
}

WaveDevice::WaveDevice(AudioEngine& engine, ChunkPtr chunk, const QString& path)
    : engine_(&engine), chunk_(std::move(chunk)), path_(path), channel_(engine.reserveChannel()) {}

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
    if (!engine_)
        return;
    if (!chunk_ && engine_->isOpen())
        chunk_ = engine_->loadChunk(path_);
    engine_->playChunk(channel_, chunk_.get());
}

bool WaveDevice::isPlaying() const {
    return engine_ && engine_->isChannelPlaying(channel_);
}

} // namespace tavrin
