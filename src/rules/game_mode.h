#pragma once

#include <optional>
#include <string_view>

namespace tavrin::rules {

// Classic mode is the game as it was first made. Learning mode adds to its rules: every quiz
// answer is explained, a quiz never repeats a question and brings back the ones missed, and
// the target game rewards knowing the causes over clicking fast.
enum class GameMode { Classic, Learning };

// "classic" or "learning", as the log and the settings write it.
std::string_view gameModeName(GameMode mode);
std::optional<GameMode> gameModeNamed(std::string_view name);

} // namespace tavrin::rules
