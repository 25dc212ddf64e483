#pragma once

#include "rules/best_games.h"

#include <QPoint>
#include <QString>
#include <array>
#include <optional>

namespace tavrin {

// What the game remembers of the player between runs.
struct PlayerSettings {
    static constexpr std::array<int, 4> kVolumeSteps{25, 50, 75, 100};
    static constexpr std::array<int, 3> kScaleSteps{100, 150, 200};

    bool effectsOn = true;
    bool musicOn = true;
    int volumePercent = 100; // one of kVolumeSteps
    // Where the player last dragged the handle, in screen pixels; none: the design's place.
    std::optional<QPoint> handlePlace;
    // The content set chosen in the menu for the games to come (zh-TW, zh-HK or en); none:
    // the one the system's language asks for.
    std::optional<QString> language;
    // Learning mode (explanations, no repeated questions, a target game that rewards knowing)
    // or, switched off, the classic game.
    bool learningMode = true;
    // How large every window, text and picture is drawn, taken at the program's start.
    int scalePercent = 100; // one of kScaleSteps
    // The best games played on this computer, best first (rules/best_games.h).
    std::vector<rules::GameRecord> bestGames;

    bool operator==(const PlayerSettings&) const = default;
};

// The settings file, in INI format. Reading never fails: a missing, unreadable or damaged file
// gives the defaults, and so does, for its own setting, a value the game would not write. Only
// a regular file of at most kMaxBytes is read, and opening never waits (a FIFO gives the
// defaults).
// Writing merges: only the settings changed since this game read or wrote the file are set, so
// that two games at once do not undo each other's choices. The file is replaced as a whole (a
// new file renamed over the old one), so that a crash or a full disk leaves the previous
// settings rather than half a file. A link is followed only to a regular file, which is then
// replaced and the link kept; a link to anything else, or a path that is not a regular file,
// is left untouched and the write fails.
class SettingsFile {
public:
    static constexpr qint64 kMaxBytes = 64 * 1024;

    // An empty path keeps nothing: reading gives the defaults, writing does nothing.
    explicit SettingsFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    PlayerSettings read();
    bool write(const PlayerSettings& settings);
    // Why the last read or write did not use the file, for the player; empty when it did (a
    // missing file is no problem).
    const QString& problem() const { return problem_; }

private:
    PlayerSettings readFile();

    QString path_;
    QString problem_;
    PlayerSettings known_; // as this game last read or wrote them
};

// The player's own settings file: tavrin/tavrin.conf in the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config).
QString defaultSettingsPath();

} // namespace tavrin
