#pragma once

#include "rules/board_content.h"
#include "rules/player_model.h"
#include "rules/random.h"

#include <optional>
#include <span>

namespace tavrin::rules {

struct SimulatedGame {
    bool won = false;
    int movingThrows = 0;
    long long finalScore = 0;
};

// Plays one whole game on the game session, as the windows would drive it: a fresh face of
// the die for each throw, and the mini-game a throw opens played by the modelled player.
SimulatedGame simulateGame(const BoardContent& board, const PlayerModel& player, Random& random);

struct SimulationSummary {
    int games = 0;
    int wins = 0;
    std::optional<double> medianThrowsToWin; // none without a win
    // The final scores' quartiles.
    double lowerQuartile = 0, median = 0, upperQuartile = 0;
};

SimulationSummary summarize(std::span<const SimulatedGame> games);

} // namespace tavrin::rules
