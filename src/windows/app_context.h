#pragma once

#include "platform/desktop.h"
#include "platform/message_boxes.h"
#include "platform/player_settings.h"
#include "rules/clock.h"
#include "rules/event_log.h"
#include "rules/game_review.h"
#include "rules/game_session.h"
#include "rules/random.h"
#include "rules/session_log.h"
#include "sound/sound_service.h"
#include "windows/game_screen.h"
#include "windows/kept_settings.h"
#include "windows/links.h"
#include "windows/options.h"
#include "windows/playing_screen.h"
#include "windows/sound_choices.h"
#include "windows/window_registry.h"

#include <QPointer>
#include <QScreen>
#include <functional>
#include <memory>

namespace tavrin {

namespace rules {
class ContentError;
}

// Everything the game's windows are built from: the game session, the one random generator,
// the clock, the event log, the player's settings, the window registry, the platform adapters
// and the services over them. Each window receives only the parts it uses
// (windows/window_factory.cpp).
class AppContext {
public:
    // Without a sound service of its own, the context plays through SDL_mixer.
    AppContext(Options options, const rules::Clock& clock,
               std::unique_ptr<SoundService> sound = nullptr);
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    // Where the three content files are read: --data-dir, or the language's folder.
    std::string contentDir() const;
    // A sound file or another file of the data root.
    QString dataFile(const QString& name) const;

    // A content file that cannot be used ends the program: no window is left half-built, the
    // problem is shown and printed, and the exit code is not zero.
    [[noreturn]] void fatal(const rules::ContentError& error);

    // Keeps the settings as they stand now for the next run.
    void saveSettings();
    // The player's choice in the menu: kept for the games to come, and followed from the next
    // quiz or target game of this one on.
    void chooseLearningMode(bool on);

    Options options;
    const rules::Clock& clock;
    rules::Random rng;
    rules::EventLog log;
    rules::GameSession session;
    // The first listener, so that an event is logged before any window shows it.
    rules::SessionLog sessionLog{session, log};
    // What the end of a learning-mode game looks back on.
    rules::GameReview review{session};
    MessageBoxes messages;
    GameScreen gameScreen{messages};
    Desktop desktop;
    SettingsFile settingsFile;
    PlayerSettings settings;

private:
    std::unique_ptr<SoundService> audioService_;

public:
    // Before the windows, which use it until they are destroyed.
    SoundService& audio;
    SoundChoices sound;
    WindowRegistry windows;
    KeptSettings keptSettings{settings, [this] { saveSettings(); }};
    Links links;
    PlayingScreen playingScreen{windows, audio};
    // How a fatal error ends the run; tests replace it with one that throws.
    std::function<void(int exitCode)> terminate;

private:
    bool settingsWriteFailed_ = false;
};

} // namespace tavrin
