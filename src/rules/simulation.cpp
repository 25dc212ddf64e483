#include "rules/simulation.h"

#include "rules/game_session.h"

#include <algorithm>
#include <vector>

namespace tavrin::rules {

// Hears what the session tells, as the windows do.
class SimulatedPlayer final : public GameListener {
public:
    void throwPlayed(const ThrowOutcome&) override { ++movingThrows; }
    void miniGameOpened(MiniGame game) override { opened = game; }
    void gameWon() override { won = true; }
    void gameEnded() override { ended = true; }

    std::optional<MiniGame> opened;
    int movingThrows = 0;
    bool won = false;
    bool ended = false;
};

namespace {

// The value at fraction q of the sorted values, between neighbours where it falls between.
double quantile(const std::vector<double>& sorted, double q) {
    const double at = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

} // namespace

GameSimulator::GameSimulator(const BoardContent& board, const PlayerModel& player, GameMode mode)
    : player_(player), mode_(mode), listener_(std::make_unique<SimulatedPlayer>()) {
    board_.values = board.values; // the messages play no part
    session_.setMode(mode);
    session_.addListener(*listener_);
}

GameSimulator::~GameSimulator() = default;

SimulatedGame GameSimulator::play(SimulationRandom& random) {
    SimulatedPlayer& listener = *listener_;
    listener = SimulatedPlayer();
    session_.start(board_);
    session_.resetDie(random);
    while (!listener.ended) {
        session_.turnDie(random);
        session_.throwDie();
        if (!listener.opened)
            continue;
        const MiniGame game = *listener.opened;
        listener.opened.reset();
        session_.finishMiniGame(game, game == MiniGame::Quiz ? quizBonus(player_, random)
                                                             : targetBonus(player_, mode_, random));
    }
    return {listener.won, listener.movingThrows, session_.state().score};
}

SimulatedGame simulateGame(const BoardContent& board, const PlayerModel& player, GameMode mode,
                           SimulationRandom& random) {
    return GameSimulator(board, player, mode).play(random);
}

SimulationSummary summarize(std::span<const SimulatedGame> games) {
    SimulationSummary summary;
    summary.games = static_cast<int>(games.size());
    std::vector<double> scores, throwsToWin;
    for (const SimulatedGame& game : games) {
        scores.push_back(static_cast<double>(game.finalScore));
        if (game.won)
            throwsToWin.push_back(game.movingThrows);
    }
    summary.wins = static_cast<int>(throwsToWin.size());
    if (scores.empty())
        return summary;
    std::sort(scores.begin(), scores.end());
    summary.lowerQuartile = quantile(scores, 0.25);
    summary.median = quantile(scores, 0.5);
    summary.upperQuartile = quantile(scores, 0.75);
    if (!throwsToWin.empty()) {
        std::sort(throwsToWin.begin(), throwsToWin.end());
        summary.medianThrowsToWin = quantile(throwsToWin, 0.5);
    }
    return summary;
}

} // namespace tavrin::rules
