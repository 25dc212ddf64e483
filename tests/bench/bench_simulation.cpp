// Whole simulated games per second on one core, on the shipped board, for each player model.
#include "rules/board_content.h"
#include "rules/simulation.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace tavrin::rules;

int main(int argc, char* argv[]) {
    const char* dataDir = argc > 1 ? argv[1] : TAVRIN_SOURCE_DATA_DIR "/zh-HK";
    const int games = argc > 2 ? std::atoi(argv[2]) : 200000;
    BoardContent board;
    board.values = readBoardFiles(dataDir).values;
    for (const PlayerModel& player : playerModels()) {
        Random random(fixedSeedSource(1));
        int wins = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < games; ++i)
            wins += simulateGame(board, player, random).won;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("%-7.*s %9.0f games/s  (%d games in %.2f s, %d won)\n",
                    static_cast<int>(player.name.size()), player.name.data(), games / took.count(),
                    games, took.count(), wins);
    }
}
