#pragma once

namespace tavrin {

// What an open device does with the transport commands; SoundControl keeps the properties and
// opens the right kind of device for its DeviceType.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Start from the current position; with notify, report the end when playback has ended.
    virtual void play(bool notify) = 0;
    // Play the whole file once from its beginning, cutting off a sound still playing.
    virtual void sound() = 0;
    virtual void seekToStart() = 0;
    virtual void seekToEnd() = 0;
    virtual bool isPlaying() const = 0;
};

} // namespace tavrin
