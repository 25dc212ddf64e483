#include "sound/audio_engine.h"

#include <QFile>
#include <SDL_mixer.h>
#include <algorithm>

namespace tavrin {

namespace {
// FluidSynth at full volume peaks near the top of the range; the background music leaves
// headroom for the effects mixed over it.
constexpr int kFullMusicLevel = MIX_MAX_VOLUME / 2;
} // namespace

std::atomic<AudioEngine*> AudioEngine::outputOwner_{nullptr};

void ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}
void MusicDeleter::operator()(Mix_Music* music) const {
    Mix_FreeMusic(music);
}

AudioEngine::AudioEngine(Settings settings)
    : settings_(std::move(settings)),
      musicRamp_(kFullMusicLevel, [this](int level) { applyMusicLevel(level); }) {}

AudioEngine::~AudioEngine() {
    if (opener_.joinable()) { // still opening, or opened without the UI thread hearing of it
        opener_.join();
        if (output_.open)
            state_ = State::Open;
        preloadedTune_ = std::move(output_.preloadedTune);
    }
    if (isOpen()) {
        Mix_HookMusicFinished(nullptr);
        Mix_HaltMusic();
        preloadedTune_.reset();
        closeOutput();
    }
    AudioEngine* self = this;
    outputOwner_.compare_exchange_strong(self, nullptr);
}

bool AudioEngine::claimOutput() {
    AudioEngine* none = nullptr;
    return outputOwner_.compare_exchange_strong(none, this);
}

void AudioEngine::start() {
    if (state_ != State::NotStarted)
        return;
    if (settings_.mute || !claimOutput()) { // SDL_mixer has one output; a second engine is silent
        state_ = State::Silent;
        emit started(false);
        return;
    }
    state_ = State::Starting;
    setSynthTuning(settings_.synth);
    opener_ = std::thread([this] {
        output_ = openOutput(settings_);
        QMetaObject::invokeMethod(this, &AudioEngine::finishStart, Qt::QueuedConnection);
    });
}

bool AudioEngine::waitForStart() {
    if (state_ == State::Starting)
        finishStart();
    return isOpen();
}

// On the UI thread, once the opening thread is done: from here on the UI thread alone calls
// SDL_mixer.
void AudioEngine::finishStart() {
    if (state_ != State::Starting)
        return;
    opener_.join();
    if (!output_.open) {
        state_ = State::Silent;
        AudioEngine* self = this;
        outputOwner_.compare_exchange_strong(self, nullptr);
        emit started(false);
        return;
    }
    state_ = State::Open;
    musicAvailable_ = output_.musicAvailable;
    preloadedTune_ = std::move(output_.preloadedTune);
    if (!channelInUse_.empty())
        Mix_AllocateChannels(int(channelInUse_.size()));
    applyEffectsLevel();
    Mix_VolumeMusic(musicRamp_.level());
    Mix_HookMusicFinished(&AudioEngine::onMusicFinished);
    emit started(true);
}

void AudioEngine::setEffectsVolume(double volume) {
    effectsVolume_ = std::clamp(volume, 0.0, 1.0);
    applyEffectsLevel();
}

int AudioEngine::effectsLevel() const {
    return qRound(effectsVolume_ * MIX_MAX_VOLUME);
}

void AudioEngine::applyEffectsLevel() {
    if (isOpen())
        Mix_Volume(-1, effectsLevel()); // every channel there is; new ones start at full
}

void AudioEngine::setMusicVolume(double volume, int fadeMs) {
    musicVolume_ = std::clamp(volume, 0.0, 1.0);
    musicRamp_.moveTo(qRound(musicVolume_ * kFullMusicLevel), fadeMs);
}

void AudioEngine::applyMusicLevel(int level) {
    if (isOpen())
        Mix_VolumeMusic(level);
}

// Runs on SDL's audio thread (or inside Mix_HaltMusic): it must not call SDL_mixer, so it
// only posts the news to the UI thread.
void AudioEngine::onMusicFinished() {
    AudioEngine* engine = outputOwner_.load();
    if (!engine || engine->haltingMusic_.load())
        return;
    const unsigned play = engine->musicPlay_.load();
    QMetaObject::invokeMethod(
        engine, [engine, play] { emit engine->musicFinished(play); }, Qt::QueuedConnection);
}

int AudioEngine::reserveChannel() {
    for (std::size_t i = 0; i < channelInUse_.size(); ++i) {
        if (!channelInUse_[i]) {
            channelInUse_[i] = true;
            return int(i);
        }
    }
    channelInUse_.push_back(true);
    if (isOpen()) {
        Mix_AllocateChannels(int(channelInUse_.size()));
        applyEffectsLevel();
    }
    return int(channelInUse_.size()) - 1;
}

void AudioEngine::releaseChannel(int channel) {
    if (channel < 0 || channel >= int(channelInUse_.size()))
        return;
    haltChannel(channel);
    channelInUse_[channel] = false;
}

ChunkPtr AudioEngine::loadChunk(const QString& path) const {
    if (!isOpen())
        return nullptr;
    return ChunkPtr(Mix_LoadWAV(QFile::encodeName(path).constData()));
}

void AudioEngine::playChunk(int channel, Mix_Chunk* chunk) {
    if (isOpen() && chunk)
        Mix_PlayChannel(channel, chunk, 0);
}

void AudioEngine::haltChannel(int channel) {
    if (isOpen())
        Mix_HaltChannel(channel);
}

bool AudioEngine::isChannelPlaying(int channel) const {
    return isOpen() && Mix_Playing(channel);
}

MusicPtr AudioEngine::loadMusic(const QString& path) {
    if (!isOpen() || !musicAvailable_)
        return nullptr;
    if (preloadedTune_ && path == settings_.preloadTune)
        return std::move(preloadedTune_);
    return MusicPtr(Mix_LoadMUS(QFile::encodeName(path).constData()));
}

unsigned AudioEngine::playMusic(Mix_Music* music) {
    if (!isOpen() || !music)
        return 0;
    haltMusic();
    const unsigned play = ++musicPlay_;
    return Mix_PlayMusic(music, 0) == 0 ? play : 0;
}

void AudioEngine::haltMusic() {
    if (!isOpen())
        return;
    haltingMusic_.store(true);
    Mix_HaltMusic();
    haltingMusic_.store(false);
}

bool AudioEngine::isMusicPlaying() const {
    return isOpen() && Mix_PlayingMusic();
}

} // namespace tavrin
