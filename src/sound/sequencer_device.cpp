#include "sound/sequencer_device.h"

#include "sound/midi_length.h"

#include <QFile>
#include <utility>

namespace tavrin {

namespace {

std::optional<double> tuneLength(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return midiTuneSeconds(std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                     std::size_t(bytes.size())));
}

} // namespace

std::unique_ptr<SequencerDevice> SequencerDevice::open(AudioEngine& engine, const QString& path,
                                                       EndHandler onNotifiedEnd) {
    // FluidSynth "plays" a file it cannot read by ending at once; a loop restarting on every
    // end would then spin. A tune must have a length we can read.
    const std::optional<double> length = tuneLength(path);
    if (!length)
        return nullptr;
    engine.start();
    if (engine.isSilent())
        return nullptr;
    MusicPtr music;
    if (engine.isOpen()) {
        music = engine.loadMusic(path);
        if (!music)
            return nullptr;
    }
    return std::unique_ptr<SequencerDevice>(
        new SequencerDevice(engine, std::move(music), path, *length, std::move(onNotifiedEnd)));
}

SequencerDevice::SequencerDevice(AudioEngine& engine, MusicPtr music, const QString& path,
                                 double lengthSeconds, EndHandler onNotifiedEnd)
    : engine_(&engine), music_(std::move(music)), path_(path), length_(lengthSeconds),
      onNotifiedEnd_(std::move(onNotifiedEnd)) {
    endTimer_.setSingleShot(true);
    endTimer_.setTimerType(Qt::PreciseTimer);
    connect(&endTimer_, &QTimer::timeout, this, &SequencerDevice::reachEnd);
    connect(&engine, &AudioEngine::musicFinished, this, &SequencerDevice::onMusicFinished);
    if (!music_)
        connect(&engine, &AudioEngine::started, this, &SequencerDevice::onEngineStarted);
}

SequencerDevice::~SequencerDevice() {
    // The voices of the last note may still be dying away after the end was reported.
    if (ownsTheMusic())
        engine_->haltMusic();
}

bool SequencerDevice::ownsTheMusic() const {
    return play_ && engine_ && engine_->currentMusicPlay() == play_;
}

void SequencerDevice::play(bool notify) {
    notify_ = notify;
    if (playing_)
        return;
    if (atEnd_) {
        reachEnd(); // playing from the end ends at once
        return;
    }
    if (!music_) {
        // Waiting for the output: the tune starts when it opens. Should it never open, no end
        // is ever reported.
        playing_ = engine_ && engine_->state() == AudioEngine::State::Starting;
        return;
    }
    startPlaying();
}

void SequencerDevice::startPlaying() {
    play_ = engine_ ? engine_->playMusic(music_.get()) : 0;
    if (!play_)
        return; // silent: no end will ever be reported, so no loop spins on failures
    playing_ = true;
    if (const auto ending = tuneEndMilliseconds(length_))
        endTimer_.start(*ending);
}

void SequencerDevice::onEngineStarted(bool open) {
    disconnect(engine_, &AudioEngine::started, this, &SequencerDevice::onEngineStarted);
    if (open)
        music_ = engine_->loadMusic(path_);
    const bool wanted = std::exchange(playing_, false);
    if (wanted && music_)
        startPlaying();
}

// The sequencer has no short-sound mode: the whole tune from its beginning.
void SequencerDevice::sound() {
    seekToStart();
    play(false);
}

void SequencerDevice::seekToStart() {
    stop();
    atEnd_ = false;
}

void SequencerDevice::seekToEnd() {
    stop();
    atEnd_ = true;
}

void SequencerDevice::stop() {
    if (!playing_)
        return;
    playing_ = false;
    notify_ = false; // an interrupted play is not reported: handlers restart on any report
    endTimer_.stop();
    if (ownsTheMusic())
        engine_->haltMusic();
}

void SequencerDevice::reachEnd() {
    playing_ = false;
    endTimer_.stop();
    atEnd_ = true;
    if (std::exchange(notify_, false) && onNotifiedEnd_)
        onNotifiedEnd_();
}

void SequencerDevice::onMusicFinished(unsigned play) {
    if (playing_ && play == play_)
        reachEnd();
}

} // namespace tavrin
