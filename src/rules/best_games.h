#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::rules {

// One finished game, as the list of best games on this computer keeps it.
struct GameRecord {
    std::string date; // YYYY-MM-DD
    long long score = 0;
    bool won = false;
    int answersRight = 0;
    int answersGiven = 0;

    bool operator==(const GameRecord&) const = default;
};

inline constexpr std::size_t kBestGamesKept = 10;

// The list with one more game: the highest scores first (a win before a loss on the same
// score, an earlier game before a later one), at most kBestGamesKept.
std::vector<GameRecord> withGame(std::vector<GameRecord> best, const GameRecord& game);

// A record as one line of the settings file: "2026-12-07 5100 won 12/15". Reading takes only
// what writing gives: anything else is nothing, so a damaged entry drops out of the list.
std::string recordLine(const GameRecord& game);
std::optional<GameRecord> recordFromLine(std::string_view line);

} // namespace tavrin::rules
