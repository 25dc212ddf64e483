#include "windows/sound_holder.h"

#include "layouts/window_layouts.h"
#include "windows/app_context.h"

#include <QDir>
#include <array>

namespace tavrin {
namespace {

std::array<Effect, 2> effectsOf(rules::MiniGame game) {
    if (game == rules::MiniGame::Quiz)
        return {Effect::Wrong, Effect::Right};
    return {Effect::Hit, Effect::Miss};
}

} // namespace

SoundHolder::SoundHolder(AppContext& ctx)
    : GameWindow(ctx, layout::soundHolderLayout()), hitSound(ctx.audio, this),
      missSound(ctx.audio, this), music(ctx.audio, this), wrongSound(ctx.audio, this),
      rightSound(ctx.audio, this) {
    hitSound.setObjectName("hitSound");
    missSound.setObjectName("missSound");
    music.setObjectName("music");
    wrongSound.setObjectName("wrongSound");
    rightSound.setObjectName("rightSound");
    connect(&music, &SoundControl::done, this, &SoundHolder::onMusicDone);
}

QString SoundHolder::soundFile(const char* name) const {
    return ctx.dataFile(name);
}

QString SoundHolder::musicFile(const QString& dataDir) {
    return QDir(dataDir).filePath("p_samy.mid");
}

// The effects are only prepared here: each mini-game opens its own when it starts. The music
// is opened synchronously and started at once, while the board is still loading.
void SoundHolder::onLoad() {
    prepareEffect(hitSound, "hit3.WAV");
    prepareEffect(missSound, "blip2.WAV");
    startMusic();
    prepareEffect(wrongSound, "boo.WAV");
    prepareEffect(rightSound, "yeah.WAV");
    listenToSession();
}

void SoundHolder::prepareEffect(SoundControl& device, const char* fileName) {
    device.setNotify(false);
    device.setShareable(false);
    device.setDeviceType("WaveAudio");
    device.setFileName(soundFile(fileName));
}

void SoundHolder::startMusic() {
    music.setNotify(false);
    music.setWait(true);
    music.setShareable(false);
    music.setDeviceType("Sequencer");
    music.setFileName(musicFile(ctx.options.dataRoot));
    music.setCommand("Open");
    music.setNotify(true);
    music.setCommand("play");
}

// The tune has ended: back to its beginning and play again, asking to hear of the next end.
void SoundHolder::onMusicDone(int) {
    music.setNotify(false);
    music.setCommand("Next");
    music.setNotify(false);
    music.setCommand("Prev");
    music.setNotify(true);
    music.setCommand("Play");
}

void SoundHolder::openEffectsOf(rules::MiniGame game) {
    for (Effect effect : effectsOf(game))
        device(effect).setCommand("Open");
}

// Closed early, a mini-game leaves its devices open; the next one opens them again, which an
// open device ignores.
void SoundHolder::miniGameClosed(rules::MiniGame game, rules::MiniGameEnd how) {
    if (how != rules::MiniGameEnd::Finished)
        return;
    for (Effect effect : effectsOf(game))
        device(effect).setCommand("Close");
}

void SoundHolder::play(Effect effect) {
    SoundControl& d = device(effect);
    d.setWait(false);
    d.setCommand("Sound");
}

SoundControl& SoundHolder::device(Effect effect) {
    switch (effect) {
    case Effect::Hit:
        return hitSound;
    case Effect::Miss:
        return missSound;
    case Effect::Right:
        return rightSound;
    case Effect::Wrong:
        break;
    }
    return wrongSound;
}

} // namespace tavrin
