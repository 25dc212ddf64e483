#pragma once

#include "rules/board_content.h"
#include "rules/game_session.h"
#include "rules/player_model.h"
#include "rules/simulation_random.h"

#include <memory>
#include <optional>
#include <span>

namespace tavrin::rules {

struct SimulatedGame {
    bool won = false;
    int movingThrows = 0;
    long long finalScore = 0;
};

class SimulatedPlayer;

// Plays whole games on one game session, as the windows would drive it: a fresh face of the
// die for each throw, and the mini-game a throw opens played by the modelled player.
class GameSimulator {
public:
    GameSimulator(const BoardContent& board, const PlayerModel& player, GameMode mode);
    ~GameSimulator();
    SimulatedGame play(SimulationRandom& random);

private:
    BoardContent board_;
    const PlayerModel& player_;
    GameMode mode_;
    GameSession session_;
    std::unique_ptr<SimulatedPlayer> listener_;
};

SimulatedGame simulateGame(const BoardContent& board, const PlayerModel& player, GameMode mode,
                           SimulationRandom& random);

struct SimulationSummary {
    int games = 0;
    int wins = 0;
    std::optional<double> medianThrowsToWin; // none without a win
    // The final scores' quartiles.
    double lowerQuartile = 0, median = 0, upperQuartile = 0;
};

SimulationSummary summarize(std::span<const SimulatedGame> games);

} // namespace tavrin::rules
