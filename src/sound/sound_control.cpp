#include "sound/sound_control.h"

#include "sound/audio_engine.h"
#include "sound/sequencer_device.h"
#include "sound/wave_device.h"

#include <utility>

namespace tavrin {

namespace {

bool is(const QString& text, const char* name) {
    return text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

} // namespace

SoundControl::SoundControl(AudioEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine) {}

SoundControl::~SoundControl() = default;

void SoundControl::setCommand(const QString& command) {
    lastCommand_ = command;
    const bool notify = std::exchange(notify_, false);
    wait_ = false;
    carryOut(command.trimmed(), notify);
}

void SoundControl::carryOut(const QString& command, bool notify) {
    if (is(command, "Open")) {
        open();
        return;
    }
    if (is(command, "Close")) {
        device_.reset();
        return;
    }
    if (!device_)
        return;
    if (is(command, "Play"))
        device_->play(notify);
    else if (is(command, "Sound"))
        device_->sound();
    else if (is(command, "Next"))
        device_->seekToEnd();
    else if (is(command, "Prev"))
        device_->seekToStart();
}

// An open device stays as it is: a game window closed before its end never sent "Close", and
// its next opening sends "Open" again.
void SoundControl::open() {
    if (device_)
        return;
    if (is(deviceType_, "WaveAudio")) {
        device_ = WaveDevice::open(engine_, fileName_);
    } else if (is(deviceType_, "Sequencer")) {
        // Done is posted, so its handler runs as an event of its own with no device code
        // beneath it on the stack, free even to close this device.
        device_ = SequencerDevice::open(engine_, fileName_, [this] {
            QMetaObject::invokeMethod(
                this, [this] { emit done(kNotifySuccessful); }, Qt::QueuedConnection);
        });
    }
}

} // namespace tavrin
