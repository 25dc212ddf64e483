#include "windows/app_context.h"
#include "app/app_setup.h"
#include "app/autoplay.h"
#include "rules/clock.h"
#include "app/command_line.h"
#include "app/content_check_report.h"
#include "windows/start_window.h"
#include "app/lost_window_watch.h"

#include <QApplication>
#include <optional>

namespace {

// The command line is read before any window system is needed, so that --help, --version and
// --check-content also work without a display.
std::optional<tavrin::Options> readCommandLine(int& argc, char* argv[], int& exitCode) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tavrin");
    QCoreApplication::setApplicationVersion(TAVRIN_VERSION);
    auto options = tavrin::parseCommandLine(QCoreApplication::arguments(), exitCode);
    if (options && options->checkContent) {
        exitCode = tavrin::reportContentCheck(options->dataDir);
        return std::nullopt;
    }
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    int exitCode = 0;
    const auto options = readCommandLine(argc, argv, exitCode);
    if (!options)
        return exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName("tavrin");
    tavrin::setUpAppearance(app);
    tavrin::SystemClock clock;
    tavrin::AppContext ctx(*options, clock);
    ctx.log.write("start", {tavrin::EventLog::field("seed", ctx.rng.lastSeed())});

    const tavrin::LostWindowWatch lostWindowWatch(ctx.log);
    tavrin::Autoplay autoplay(ctx);
    if (options->autoplay)
        autoplay.start();
    ctx.windows.show<tavrin::StartWindow>();
    return QApplication::exec();
}
