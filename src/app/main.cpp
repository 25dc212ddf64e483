#include "app/after_first_paint.h"
#include "app/app_setup.h"
#include "app/autoplay.h"
#include "app/command_line.h"
#include "app/content_check_report.h"
#include "app/data_location.h"
#include "app/lost_window_watch.h"
#include "app/simulate_command.h"
#include "app/translations.h"
#include "app/window_system_choice.h"
#include "platform/player_settings.h"
#include "rules/clock.h"
#include "windows/accessible_window.h"
#include "windows/app_context.h"
#include "windows/keyboard_control.h"
#include "windows/keyboard_focus.h"
#include "windows/sound_key.h"
#include "windows/start_window.h"
#include "windows/window_group.h"

#include <QApplication>
#include <optional>

namespace {

// The data root (sounds, pages, translations, the content sets): the installed one, or the
// build tree's. Reported if there is none, unless --data-dir names the content to play (which
// then plays without sound).
bool locateData(tavrin::Options& options) {
    const tavrin::DataLocation location = tavrin::findDataDirectory();
    options.dataRoot = location.found;
    if (!location.found.isEmpty() || !options.dataDir.isEmpty())
        return true;
    tavrin::reportMissingData(location);
    return false;
}

// The command line is read before any window system is needed, so that --help, --version,
// --check-content and --simulate also work without a display.
std::optional<tavrin::Options> readCommandLine(int& argc, char* argv[], int& exitCode) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tavrin");
    QCoreApplication::setApplicationVersion(TAVRIN_VERSION);
    auto options = tavrin::parseCommandLine(QCoreApplication::arguments(), exitCode);
    if (options && !locateData(*options)) {
        exitCode = 2;
        return std::nullopt;
    }
    if (options && options->checkContent) {
        exitCode = tavrin::reportContentChecks(*options);
        return std::nullopt;
    }
    if (options && options->simulateGames) {
        exitCode = tavrin::runSimulation(*options);
        return std::nullopt;
    }
    return options;
}

// The language chosen in the menu during an earlier game, unless --lang names one for this run.
void useStoredLanguage(tavrin::Options& options, const tavrin::PlayerSettings& stored) {
    if (stored.language && !options.languageGiven)
        options.language = *stored.language;
}

} // namespace

int main(int argc, char* argv[]) {
    int exitCode = 0;
    auto options = readCommandLine(argc, argv, exitCode);
    if (!options)
        return exitCode;

    options->settingsFile = tavrin::defaultSettingsPath();
    const tavrin::PlayerSettings stored = tavrin::SettingsFile(options->settingsFile).read();
    useStoredLanguage(*options, stored);
    const bool scaled = tavrin::useChosenScale(stored.scalePercent);
    tavrin::startNoSessionBus();
    tavrin::ApplicationArguments arguments(argc, argv);
    QApplication app(arguments.argc(), arguments.argv());
    if (scaled)
        tavrin::forgetChosenScale();
    QApplication::setApplicationName("tavrin");
    tavrin::noteWhenWindowsCannotBePlaced();
    tavrin::setUpAppearance(app);
    tavrin::setUpIdentity();
    tavrin::installAccessibility();
    tavrin::Translations translations;
    translations.use(options->language, options->dataRoot);
    tavrin::rules::SystemClock clock;
    tavrin::AppContext ctx(*options, clock);
    tavrin::KeyboardControl keys(ctx);
    tavrin::FocusKeeper focus(ctx);
    ctx.log.write("start",
                  {tavrin::rules::EventLog::field("seed", ctx.rng.lastSeed()),
                   tavrin::rules::EventLog::field("lang", options->language.toStdString()),
                   tavrin::rules::EventLog::field(
                       "mode", std::string(tavrin::rules::gameModeName(ctx.session.mode())))});

    const tavrin::LostWindowWatch lostWindowWatch(ctx.log);
    tavrin::Autoplay autoplay(ctx);
    if (options->autoplay)
        autoplay.start();
    tavrin::SoundKey soundKey(ctx.sound);
    app.installEventFilter(&soundKey);
    tavrin::WindowGroup group(ctx.windows);
    app.installEventFilter(&group);
    // The audio device opens on a thread of its own once the start window is on screen, so
    // that neither waits for the other.
    auto& start = ctx.windows.show<tavrin::StartWindow>();
    tavrin::afterFirstPaint(start, [&ctx] { ctx.audio.start(); });
    return QApplication::exec();
}
