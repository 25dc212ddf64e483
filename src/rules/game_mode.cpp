#include "rules/game_mode.h"

namespace tavrin::rules {

std::string_view gameModeName(GameMode mode) {
    return mode == GameMode::Classic ? "classic" : "learning";
}

std::optional<GameMode> gameModeNamed(std::string_view name) {
    for (GameMode mode : {GameMode::Classic, GameMode::Learning})
        if (gameModeName(mode) == name)
            return mode;
    return std::nullopt;
}

} // namespace tavrin::rules
