#include "app/simulate_command.h"

#include "platform/player_settings.h"
#include "rules/board_content.h"
#include "rules/content_error.h"
#include "rules/simulation.h"

#include <QDateTime>
#include <cstdio>
#include <vector>

namespace tavrin {
namespace {

void printSummary(const rules::SimulationSummary& s, const rules::PlayerModel& player,
                  rules::GameMode mode, std::uint32_t seed) {
    const std::string_view modeName = rules::gameModeName(mode);
    std::printf("%d games, player %.*s, %.*s mode, seed %u\n", s.games,
                static_cast<int>(player.name.size()), player.name.data(),
                static_cast<int>(modeName.size()), modeName.data(), seed);
    std::printf("win rate: %.1f%% (%d of %d)\n", 100.0 * s.wins / s.games, s.wins, s.games);
    if (s.medianThrowsToWin)
        std::printf("median throws to a win: %.1f\n", *s.medianThrowsToWin);
    else
        std::printf("median throws to a win: no game was won\n");
    std::printf("final score quartiles: %.0f / %.0f / %.0f\n", s.lowerQuartile, s.median,
                s.upperQuartile);
}

} // namespace

int runSimulation(const Options& options) {
    rules::BoardContent board;
    try {
        board = rules::readBoardFiles(contentFolder(options).toStdString());
    } catch (const rules::ContentError& error) {
        std::fprintf(stderr, "tavrin: %s\n", error.what());
        return 2;
    }
    const rules::PlayerModel& player = *rules::findPlayerModel(options.player.toStdString());
    const std::uint32_t seed =
        options.seed.value_or(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    rules::SimulationRandom random(seed);
    std::vector<rules::SimulatedGame> games;
    games.reserve(static_cast<std::size_t>(*options.simulateGames));
    const rules::GameMode mode =
        gameModeOf(options, SettingsFile(defaultSettingsPath()).read().learningMode);
    rules::GameSimulator simulator(board, player, mode);
    for (int i = 0; i < *options.simulateGames; ++i)
        games.push_back(simulator.play(random));
    printSummary(rules::summarize(games), player, mode, seed);
    return 0;
}

} // namespace tavrin
