#pragma once

#include "sound/audio_engine.h"

// An engine whose output has finished opening, as the program's has a moment after its start
// window shows.
struct StartedEngine : tavrin::AudioEngine {
    explicit StartedEngine(Settings settings = {}) : AudioEngine(std::move(settings)) {
        start();
        waitForStart();
    }
};
