#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace tavrin {

// The command line. Every option is for tests and demos: started plainly, the game behaves
// exactly as a player expects.
struct Options {
    QString dataDir; // where content and sound files are read; the program's own directory
    std::optional<std::uint32_t> seed;
    QString logFile;
    QString screenshotDir; // autoplay saves screenshots of the key moments here
    bool autoplay = false;
    bool mute = false;
    bool checkContent = false;        // check the content files and exit, for teachers editing them
    std::optional<int> simulateGames; // play this many games without a display and exit
    QString player = "fair";          // the modelled player of simulated games
};

} // namespace tavrin
