#include "windows/sound_choices.h"

#include "sound/sound_service.h"

#include <algorithm>
#include <utility>

namespace tavrin {

namespace {
constexpr int kVolumeChangeFadeMs = 150; // short enough to feel at once, long enough not to click
}

SoundChoices::SoundChoices(SoundService& engine, PlayerSettings& settings,
                           std::function<void()> save)
    : engine_(engine), settings_(settings), save_(std::move(save)) {
    apply(0); // before any sound: music turned off stays silent from its very start
}

void SoundChoices::setEffectsOn(bool on) {
    if (on == settings_.effectsOn)
        return;
    settings_.effectsOn = on;
    commit(0);
}

void SoundChoices::setMusicOn(bool on) {
    if (on == settings_.musicOn)
        return;
    settings_.musicOn = on;
    commit(kMusicFadeMs);
}

void SoundChoices::setVolumePercent(int percent) {
    if (percent == settings_.volumePercent ||
        !std::ranges::count(PlayerSettings::kVolumeSteps, percent))
        return;
    settings_.volumePercent = percent;
    commit(kVolumeChangeFadeMs);
}

void SoundChoices::toggleAll() {
    const bool on = !settings_.effectsOn && !settings_.musicOn;
    settings_.effectsOn = on;
    settings_.musicOn = on;
    commit(kMusicFadeMs);
}

void SoundChoices::apply(int musicFadeMs) {
    const double volume = settings_.volumePercent / 100.0;
    engine_.setEffectsVolume(settings_.effectsOn ? volume : 0);
    engine_.setMusicVolume(settings_.musicOn ? volume : 0, musicFadeMs);
}

void SoundChoices::commit(int musicFadeMs) {
    apply(musicFadeMs);
    if (save_)
        save_();
    emit changed();
}

} // namespace tavrin
