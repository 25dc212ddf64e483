#pragma once

#include "platform/player_settings.h"

#include <QObject>
#include <functional>

namespace tavrin {

class SoundService;

// The player's sound choices: effects on or off, music on or off, and one volume for both.
// A choice reaches the engine at once and is kept in the settings (through `save`).
class SoundChoices : public QObject {
    Q_OBJECT
public:
    static constexpr int kMusicFadeMs = 600;

    SoundChoices(SoundService& engine, PlayerSettings& settings, std::function<void()> save);

    bool effectsOn() const { return settings_.effectsOn; }
    bool musicOn() const { return settings_.musicOn; }
    int volumePercent() const { return settings_.volumePercent; }

    void setEffectsOn(bool on);
    void setMusicOn(bool on);
    // One of PlayerSettings::kVolumeSteps; anything else is ignored.
    void setVolumePercent(int percent);
    // All sound off when any is on, else all on.
    void toggleAll();

signals:
    void changed();

private:
    void apply(int musicFadeMs);
    void commit(int musicFadeMs);

    SoundService& engine_;
    PlayerSettings& settings_;
    std::function<void()> save_;
};

} // namespace tavrin
