// Whole simulated games per second on one core, on the shipped board, for each player model.
// Timed in the process's own CPU time, so that other work on the machine does not count.
#include "rules/board_content.h"
#include "rules/simulation.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

using namespace tavrin::rules;

int main(int argc, char* argv[]) {
    const char* dataDir = argc > 1 ? argv[1] : TAVRIN_SOURCE_DATA_DIR "/zh-HK";
    const int games = argc > 2 ? std::atoi(argv[2]) : 200000;
    const BoardContent board = readBoardFiles(dataDir);
    for (const PlayerModel& player : playerModels()) {
        SimulationRandom random(1);
        GameSimulator simulator(board, player, GameMode::Classic);
        int wins = 0;
        const std::clock_t start = std::clock();
        for (int i = 0; i < games; ++i)
            wins += simulator.play(random).won;
        const double took = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        std::printf("%-7.*s %9.0f games/s  (%d games in %.2f s of CPU, %d won)\n",
                    static_cast<int>(player.name.size()), player.name.data(), games / took, games,
                    took, wins);
    }
}
