#include "windows/app_context.h"

#include "rules/content_error.h"

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

} // namespace

AppContext::AppContext(Options opts, const rules::Clock& c)
    : options(std::move(opts)), clock(c), rng(seedSourceFor(options, clock)),
      audio(AudioEngine::Settings{.mute = options.mute}), windows(*this) {
    if (!options.logFile.isEmpty() && !log.open(options.logFile.toStdString()))
        std::cerr << "tavrin: cannot write the log file " << options.logFile.toStdString() << "\n";
    session.addListener(sessionLog);
}

QScreen* AppContext::screen() const {
    return screen_ ? screen_.data() : QGuiApplication::primaryScreen();
}

void AppContext::chooseScreen(QScreen* screen) {
    screen_ = screen;
    messages.screen = screen;
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
