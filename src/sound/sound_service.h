#pragma once

#include "rules/game_session.h"

#include <array>

namespace tavrin {

// The effects the game asks for by what happened.
enum class Effect {
    Hit,   // a cause of heart disease shot (also the target game's opening shot)
    Miss,  // a healthy habit shot
    Right, // a right answer
    Wrong, // a wrong answer
};

// A mini-game's two effects.
inline std::array<Effect, 2> effectsOf(rules::MiniGame game) {
    if (game == rules::MiniGame::Quiz)
        return {Effect::Wrong, Effect::Right};
    return {Effect::Hit, Effect::Miss};
}

// What the windows ask of the sound. Nothing here ever holds up the game or reports a failure:
// without a device, a file or a soundfont the game simply plays on in silence.
class SoundService {
public:
    virtual ~SoundService() = default;

    // Begins opening the output, once; the program calls it when its first window shows.
    virtual void start() = 0;

    // A mini-game opens its two effects when it starts and closes them when played to its end
    // (which cuts off one still sounding). An effect that is not open is not heard.
    virtual void openEffectsOf(rules::MiniGame game) = 0;
    virtual void closeEffectsOf(rules::MiniGame game) = 0;
    // Plays an effect from its beginning, cutting off its previous play.
    virtual void play(Effect effect) = 0;

    // The background tune, from its beginning, looping until stopped.
    virtual void startMusic() = 0;
    virtual void stopMusic() = 0;

    // From 0 (silent) to 1 (full). The music moves to its new volume over fadeMs and plays on
    // meanwhile, so that music turned down to nothing keeps its place in the tune.
    virtual void setEffectsVolume(double volume) = 0;
    virtual void setMusicVolume(double volume, int fadeMs = 0) = 0;
};

} // namespace tavrin
