#pragma once

#include "sound/sound_service.h"

#include <set>
#include <vector>

namespace tavrin::testing {

// The sound as the windows drive it, without a device: what is open, what was played (an effect
// not open is not heard, as with the real engine), whether the music plays, the volumes.
class RecordedSound final : public SoundService {
public:
    void start() override {}
    void openEffectsOf(rules::MiniGame game) override {
        for (Effect effect : effectsOf(game))
            open.insert(effect);
    }
    void closeEffectsOf(rules::MiniGame game) override {
        for (Effect effect : effectsOf(game))
            open.erase(effect);
    }
    void play(Effect effect) override {
        if (open.contains(effect))
            played.push_back(effect);
    }
    void startMusic() override { musicPlaying = true; }
    void stopMusic() override { musicPlaying = false; }
    void setEffectsVolume(double volume) override { effectsVolume = volume; }
    void setMusicVolume(double volume, int) override { musicVolume = volume; }

    std::set<Effect> open;
    std::vector<Effect> played;
    bool musicPlaying = false;
    double effectsVolume = 1;
    double musicVolume = 1;
};

} // namespace tavrin::testing
