#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <optional>

namespace tavrin {

// What the game remembers of the player between runs.
struct PlayerSettings {
    static constexpr std::array<int, 4> kVolumeSteps{25, 50, 75, 100};

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

    bool operator==(const PlayerSettings&) const = default;
};

// The settings file, in INI format. Reading never fails: a missing, unreadable or damaged file
// gives the defaults, and so does, for its own setting, a value the game would not write.
// Writing replaces the file as a whole (a new file renamed over the old one), so that a crash
// or a full disk leaves the previous settings rather than half a file.
class SettingsFile {
public:
    // An empty path keeps nothing: reading gives the defaults, writing does nothing.
    explicit SettingsFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    PlayerSettings read() const;
    bool write(const PlayerSettings& settings) const;

private:
    QString path_;
};

// The player's own settings file: tavrin/tavrin.conf in the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config).
QString defaultSettingsPath();

} // namespace tavrin
