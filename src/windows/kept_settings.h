#pragma once

#include "platform/player_settings.h"

#include <functional>

namespace tavrin {

// The player's settings, and how a change is kept for the next run.
struct KeptSettings {
    PlayerSettings& values;
    std::function<void()> save;
};

} // namespace tavrin
