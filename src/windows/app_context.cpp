#include "windows/app_context.h"

#include "rules/content_error.h"
#include "sound/audio_engine.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace tavrin {
namespace {

rules::Random::SeedSource seedSourceFor(const Options& options, const rules::Clock& clock) {
    if (options.seed)
        return rules::fixedSeedSource(*options.seed);
    return rules::timeOfDaySeedSource([&clock] { return clock.secondsSinceMidnight(); });
}

std::unique_ptr<SoundService> audioFor(const Options& options) {
    AudioEngine::Settings settings;
    settings.mute = options.mute;
    settings.soundFolder = options.dataRoot; // the sounds come from the data root
    return std::make_unique<AudioEngine>(settings);
}

} // namespace

AppContext::AppContext(Options opts, const rules::Clock& c, std::unique_ptr<SoundService> sound)
    : options(std::move(opts)), clock(c), rng(seedSourceFor(options, clock)),
      settingsFile(options.settingsFile), settings(settingsFile.read()),
      audioService_(sound ? std::move(sound) : audioFor(options)), audio(*audioService_),
      sound(audio, settings, [this] { saveSettings(); }), windows(*this),
      links(desktop, log, messages, options.dataRoot, options.language, {gameScreen, windows}) {
    if (!options.logFile.isEmpty() && !log.open(options.logFile.toStdString()))
        std::cerr << "tavrin: cannot write the log file " << options.logFile.toStdString() << "\n";
    if (!settingsFile.problem().isEmpty())
        std::cerr << "tavrin: the settings start as the defaults: "
                  << settingsFile.problem().toStdString() << "\n";
    session.setMode(gameModeOf(options, settings.learningMode));
    session.addListener(sessionLog);
    session.addListener(review);
}

void AppContext::chooseLearningMode(bool on) {
    settings.learningMode = on;
    saveSettings();
    const rules::GameMode mode = on ? rules::GameMode::Learning : rules::GameMode::Classic;
    session.setMode(mode);
    log.write("mode", {rules::EventLog::field("mode", std::string(rules::gameModeName(mode)))});
}

void AppContext::saveSettings() {
    if (!settingsFile.write(settings) && !settingsWriteFailed_) {
        settingsWriteFailed_ = true; // said once; the game goes on with its choices in memory
        std::cerr << "tavrin: cannot save the settings: " << settingsFile.problem().toStdString()
                  << "\n";
    }
}

std::string AppContext::contentDir() const {
    return contentFolder(options).toStdString();
}

QString AppContext::dataFile(const QString& name) const {
    return QDir(options.dataRoot).filePath(name);
}

void AppContext::fatal(const rules::ContentError& error) {
    windows.hideAll();
    std::cerr << "tavrin: " << error.what() << std::endl;
    log.write("error", {rules::EventLog::field("file", error.file()),
                        rules::EventLog::field("line", error.line())});
    messages.show(nullptr, QString::fromStdString(error.what()), "Tavrin",
                  MessageBoxes::Buttons::Ok);
    constexpr int kContentErrorExit = 2;
    if (terminate)
        terminate(kContentErrorExit);
    std::fflush(nullptr);
    std::_Exit(kContentErrorExit);
}

} // namespace tavrin
