#pragma once

#include "rules/game_mode.h"
#include "rules/simulation_random.h"

#include <span>
#include <string>
#include <string_view>

namespace tavrin::rules {

// A modelled player for simulated games. In the quiz each answer is right with a chance; in
// the target game the player clicks at a steady rate for the whole 20 seconds, and each click
// lands on a cause of heart disease with a chance, otherwise on a healthy habit. A player who
// knows the causes aims at a target still standing; one who does not clicks any picture.
struct PlayerModel {
    std::string_view name;
    double quizRightChance;
    double clicksPerSecond;
    double targetAccuracy;
    bool knowsTheCauses;
    std::string_view description;
};

// weak, fair (the default), strong, fast, expert and clicker.
std::span<const PlayerModel> playerModels();
const PlayerModel* findPlayerModel(std::string_view name);

// The points a player wins in one quiz and in one target game.
long long quizBonus(const PlayerModel& player, SimulationRandom& random);
long long targetBonus(const PlayerModel& player, GameMode mode, SimulationRandom& random);

} // namespace tavrin::rules
