#include "sound/audio_engine.h"

#include "sound/sound_file.h"
#include "sound/sound_libraries.h"
#include "sound/tune_player.h"
#include "sound/wave_check.h"

#include <QDir>
#include <algorithm>
#include <cstdio>

namespace tavrin {

namespace {
// FluidSynth at full volume peaks near the top of the range; the background music leaves
// headroom for the effects mixed over it.
constexpr int kFullMusicLevel = TunePlayer::kFullLevel / 2;
} // namespace

std::atomic<AudioEngine*> AudioEngine::outputOwner_{nullptr};

QString AudioEngine::soundFileName(Effect effect) {
    switch (effect) {
    case Effect::Hit:
        return "hit3.WAV";
    case Effect::Miss:
        return "blip2.WAV";
    case Effect::Right:
        return "yeah.WAV";
    case Effect::Wrong:
        break;
    }
    return "boo.WAV";
}

AudioEngine::AudioEngine(Settings settings)
    : settings_(std::move(settings)),
      musicRamp_(kFullMusicLevel, [this](int level) { applyMusicLevel(level); }) {}

AudioEngine::~AudioEngine() {
    if (opener_.joinable()) { // still opening, or opened without the UI thread hearing of it
        joinOpener();
        if (output_.open)
            state_ = State::Open;
        lib_ = std::move(output_.libraries);
        tune_ = std::move(output_.tune);
    }
    if (isOpen()) {
        lib_->Mix_HookMusic(nullptr, nullptr); // waits for a render in progress
        lib_->Mix_HaltChannel(-1);
        for (EffectSlot& slot : effects_)
            lib_->Mix_FreeChunk(std::exchange(slot.chunk, nullptr));
        tune_.reset();
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
    try {
        opener_ = std::thread([this] {
            output_ = openOutput(settings_);
            QMetaObject::invokeMethod(this, &AudioEngine::finishStart, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        finishStart(); // silent
    }
}

void AudioEngine::joinOpener() {
    if (opener_.joinable())
        opener_.join();
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
    joinOpener();
    if (!output_.open) {
        state_ = State::Silent;
        AudioEngine* self = this;
        outputOwner_.compare_exchange_strong(self, nullptr);
        emit started(false);
        return;
    }
    state_ = State::Open;
    lib_ = std::move(output_.libraries);
    tune_ = std::move(output_.tune);
    lib_->Mix_AllocateChannels(int(effects_.size()));
    applyEffectsLevel();
    applyMusicLevel(musicRamp_.level());
    for (int i = 0; i < int(effects_.size()); ++i)
        if (effects_[i].open)
            loadEffect(Effect(i));
    if (tune_) {
        lib_->Mix_HookMusic(&TunePlayer::render, tune_.get());
        if (musicWanted_)
            tune_->start();
    }
    emit started(true);
}

void AudioEngine::openEffectsOf(rules::MiniGame game) {
    for (Effect effect : effectsOf(game)) {
        EffectSlot& slot = effects_[index(effect)];
        if (slot.open) // closed early, a mini-game leaves them open
            continue;
        slot.open = true;
        if (isOpen())
            loadEffect(effect);
    }
}

void AudioEngine::closeEffectsOf(rules::MiniGame game) {
    for (Effect effect : effectsOf(game)) {
        effects_[index(effect)].open = false;
        freeEffect(effect);
    }
}

// A damaged file is said once and the effect stays silent.
void AudioEngine::loadEffect(Effect effect) {
    const QString path = QDir(settings_.soundFolder).filePath(soundFileName(effect));
    QString problem;
    const std::optional<QByteArray> bytes = readSoundFile(path, problem);
    if (!bytes) {
        reportOnce(path, problem);
        return;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes->constData());
    const std::string damage = waveProblem(std::span(data, std::size_t(bytes->size())));
    if (!damage.empty()) {
        reportOnce(path, QString::fromStdString(damage));
        return;
    }
    effects_[index(effect)].chunk =
        lib_->Mix_LoadWAV_RW(lib_->SDL_RWFromConstMem(bytes->constData(), int(bytes->size())), 1);
    if (!effects_[index(effect)].chunk)
        reportOnce(path, lib_->SDL_GetError());
}

void AudioEngine::freeEffect(Effect effect) {
    EffectSlot& slot = effects_[index(effect)];
    if (!slot.chunk)
        return;
    lib_->Mix_HaltChannel(index(effect));
    lib_->Mix_FreeChunk(std::exchange(slot.chunk, nullptr));
}

void AudioEngine::reportOnce(const QString& file, const QString& problem) {
    if (reported_.contains(file))
        return;
    reported_.insert(file);
    std::fprintf(stderr, "tavrin: cannot play %s (%s); the game goes on without it\n",
                 qPrintable(file), qPrintable(problem));
}

void AudioEngine::play(Effect effect) {
    if (Mix_Chunk* chunk = effects_[index(effect)].chunk; isOpen() && chunk)
        lib_->Mix_PlayChannel(index(effect), chunk, 0);
}

bool AudioEngine::isEffectPlaying(Effect effect) const {
    return isOpen() && lib_->Mix_Playing(index(effect));
}

void AudioEngine::startMusic() {
    musicWanted_ = true;
    if (isOpen() && tune_)
        tune_->start();
}

void AudioEngine::stopMusic() {
    musicWanted_ = false;
    if (isOpen() && tune_)
        tune_->stop();
}

bool AudioEngine::isMusicPlaying() const {
    return isOpen() && tune_ && tune_->isPlaying();
}

void AudioEngine::setEffectsVolume(double volume) {
    effectsVolume_ = std::clamp(volume, 0.0, 1.0);
    applyEffectsLevel();
}

void AudioEngine::applyEffectsLevel() {
    if (isOpen())
        lib_->Mix_Volume(-1, qRound(effectsVolume_ * MIX_MAX_VOLUME));
}

void AudioEngine::setMusicVolume(double volume, int fadeMs) {
    musicVolume_ = std::clamp(volume, 0.0, 1.0);
    musicRamp_.moveTo(qRound(musicVolume_ * kFullMusicLevel), fadeMs);
}

void AudioEngine::applyMusicLevel(int level) {
    if (isOpen() && tune_)
        tune_->setLevel(level);
}

} // namespace tavrin
