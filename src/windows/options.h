#pragma once

#include "rules/game_mode.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace tavrin {

// The command line. Every option is for tests and demos: started plainly, the game behaves
// exactly as a player expects.
struct Options {
    // The data root: the sound files, the pages, the translations and one folder of content
    // files per language (zh-HK/, zh-TW/, en/).
    QString dataRoot;
    // The content set and the language of the game's own texts: zh-HK, zh-TW or en.
    QString language = "zh-HK";
    bool languageGiven = false; // --lang named it (rather than the locale)
    // --data-dir: a teacher's own folder of the three content files, played in place of the
    // language's set; empty when not given.
    QString dataDir;
    std::optional<std::uint32_t> seed;
    QString logFile;
    QString screenshotDir; // autoplay saves screenshots of the key moments here
    bool autoplay = false;
    bool mute = false;
    bool checkContent = false;        // check the content files and exit, for teachers editing them
    std::optional<int> simulateGames; // play this many games without a display and exit
    QString player = "fair";          // the modelled player of simulated games
    bool classic = false; // --classic: this run in classic mode, whatever the stored choice
    // Where the player's choices are kept between runs; empty: they last for this run only.
    QString settingsFile;
};

// Where the three content files are read: the --data-dir folder, or the language's folder in
// the data root.
// Classic for --classic, otherwise the mode the player chose in the menu.
inline rules::GameMode gameModeOf(const Options& options, bool learningModeChosen) {
    return options.classic || !learningModeChosen ? rules::GameMode::Classic
                                                  : rules::GameMode::Learning;
}

inline QString contentFolder(const Options& options) {
    return options.dataDir.isEmpty() ? options.dataRoot + "/" + options.language : options.dataDir;
}

} // namespace tavrin
