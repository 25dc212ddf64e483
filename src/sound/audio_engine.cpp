#include "sound/audio_engine.h"

#include "sound/sound_fonts.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>

namespace tavrin {

std::atomic<AudioEngine*> AudioEngine::openEngine_{nullptr};

void ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}
void MusicDeleter::operator()(Mix_Music* music) const {
    Mix_FreeMusic(music);
}

AudioEngine::AudioEngine(Settings settings) {
    if (!settings.mute)
        open_ = open(settings);
}

bool AudioEngine::open(const Settings& settings) {
    if (openEngine_.load())
        return false; // SDL_mixer has one output; a second engine stays silent
    // SDL would otherwise catch SIGINT and SIGTERM for an event queue nobody reads, and the
    // program could no longer be stopped by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, settings.bufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // Set explicitly, because SDL ignores SDL_SOUNDFONTS unless forced. Without a soundfont
    // FluidSynth would still "play" the tune, silently, printing errors and spending time:
    // leave the music out.
    const QString soundFonts =
        settings.soundFont.isEmpty() ? systemSoundFonts() : settings.soundFont;
    musicAvailable_ = anySoundFontReadable(soundFonts);
    Mix_SetSoundFonts(QFile::encodeName(soundFonts).constData());
    // FluidSynth at full volume peaks near the top of the range; the background music leaves
    // headroom for the effects mixed over it.
    Mix_VolumeMusic(MIX_MAX_VOLUME / 2);
    openEngine_.store(this);
    Mix_HookMusicFinished(&AudioEngine::onMusicFinished);
    return true;
}

AudioEngine::~AudioEngine() {
    if (!open_)
        return;
    Mix_HookMusicFinished(nullptr);
    Mix_HaltMusic();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    openEngine_.store(nullptr);
}

// Runs on SDL's audio thread (or inside Mix_HaltMusic): it must not call SDL_mixer, so it
// only posts the news to the UI thread.
void AudioEngine::onMusicFinished() {
    AudioEngine* engine = openEngine_.load();
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
    if (open_)
        Mix_AllocateChannels(int(channelInUse_.size()));
    return int(channelInUse_.size()) - 1;
}

void AudioEngine::releaseChannel(int channel) {
    if (channel < 0 || channel >= int(channelInUse_.size()))
        return;
    haltChannel(channel);
    channelInUse_[channel] = false;
}

ChunkPtr AudioEngine::loadChunk(const QString& path) const {
    if (!open_)
        return nullptr;
    return ChunkPtr(Mix_LoadWAV(QFile::encodeName(path).constData()));
}

void AudioEngine::playChunk(int channel, Mix_Chunk* chunk) {
    if (open_ && chunk)
        Mix_PlayChannel(channel, chunk, 0);
}

void AudioEngine::haltChannel(int channel) {
    if (open_)
        Mix_HaltChannel(channel);
}

bool AudioEngine::isChannelPlaying(int channel) const {
    return open_ && Mix_Playing(channel);
}

MusicPtr AudioEngine::loadMusic(const QString& path) const {
    if (!open_ || !musicAvailable_)
        return nullptr;
    return MusicPtr(Mix_LoadMUS(QFile::encodeName(path).constData()));
}

unsigned AudioEngine::playMusic(Mix_Music* music) {
    if (!open_ || !music)
        return 0;
    haltMusic();
    const unsigned play = ++musicPlay_;
    return Mix_PlayMusic(music, 0) == 0 ? play : 0;
}

void AudioEngine::haltMusic() {
    if (!open_)
        return;
    haltingMusic_.store(true);
    Mix_HaltMusic();
    haltingMusic_.store(false);
}

bool AudioEngine::isMusicPlaying() const {
    return open_ && Mix_PlayingMusic();
}

} // namespace tavrin
