#include "rules/best_games.h"

#include <algorithm>
#include <regex>

namespace tavrin::rules {

std::vector<GameRecord> withGame(std::vector<GameRecord> best, const GameRecord& game) {
    // After every game of the same standing: an earlier game keeps its place.
    const auto place = std::find_if(best.begin(), best.end(), [&](const GameRecord& kept) {
        return game.score > kept.score || (game.score == kept.score && game.won && !kept.won);
    });
    best.insert(place, game);
    if (best.size() > kBestGamesKept)
        best.resize(kBestGamesKept);
    return best;
}

std::string recordLine(const GameRecord& game) {
    return game.date + " " + std::to_string(game.score) + " " + (game.won ? "won" : "lost") + " " +
           std::to_string(game.answersRight) + "/" + std::to_string(game.answersGiven);
}

std::optional<GameRecord> recordFromLine(std::string_view line) {
    static const std::regex pattern(
        R"((\d{4}-\d{2}-\d{2}) (-?\d{1,12}) (won|lost) (\d{1,4})/(\d{1,4}))");
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_match(line.begin(), line.end(), m, pattern))
        return std::nullopt;
    GameRecord game{m[1].str(), std::stoll(m[2].str()), m[3] == "won", std::stoi(m[4].str()),
                    std::stoi(m[5].str())};
    if (game.answersRight > game.answersGiven)
        return std::nullopt;
    return game;
}

} // namespace tavrin::rules
