// How the target game's clock keeps up: plays one whole 20-second game on the real clock and
// reports how many clock ticks arrived per second, the longest gap between two, and the CPU
// the process used meanwhile. A bare 10 ms precise timer is measured first for comparison.
// Not a test: run it on an idle machine, with a display (xvfb-run) or QT_QPA_PLATFORM=offscreen.
//   bench_target_game [--data-dir DIR]   (the data root: sounds, content sets; default: beside it)

#include "controls/interval_timer.h"
#include "rules/clock.h"
#include "window_controls.h"
#include "windows/app_context.h"
#include "windows/target_game_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Counts ticks and the longest gap between two.
struct TickMeter {
    void tick() {
        const qint64 now = clock.nsecsElapsed();
        if (ticks > 0)
            longestGapNs = std::max(longestGapNs, now - last);
        last = now;
        ++ticks;
    }
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longestGapNs = 0;
    long ticks = 0;
};

struct Run {
    double wallSeconds;
    double cpuSeconds;
};

void report(const char* what, const TickMeter& meter, const Run& run) {
    std::printf("%-28s %6.1f ticks/s  longest gap %5.1f ms  CPU %5.2f %% of a core (%.1f s)\n",
                what, meter.ticks / run.wallSeconds, meter.longestGapNs / 1e6,
                100.0 * run.cpuSeconds / run.wallSeconds, run.wallSeconds);
}

// A bare 10 ms precise timer for the given time: the floor the game's clock is compared with.
Run bareTimer(TickMeter& meter, int milliseconds) {
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&meter] { meter.tick(); });
    const double cpu0 = cpuSeconds();
    meter.clock.start();
    timer.start(10);
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, qApp, &QCoreApplication::quit);
    QApplication::exec();
    return {meter.clock.nsecsElapsed() / 1e9, cpuSeconds() - cpu0};
}

// One whole game with a player's four clicks a second, until its bonus message.
Run wholeGame(AppContext& ctx, TickMeter& clockTicks, long& moves, long& clicks) {
    double cpu0 = 0;
    ctx.messages.answerer = [&](const QString&, const QString&, MessageBoxes::Buttons) {
        QApplication::quit();
        return MessageBoxes::Answer::Ok;
    };
    TargetGameWindow& game = ctx.windows.show<TargetGameWindow>();
    QObject::connect(&timer(game, "clockTimer"), &IntervalTimer::ticked,
                     [&] { clockTicks.tick(); });
    QObject::connect(&timer(game, "jumpTimer"), &IntervalTimer::ticked, [&] { ++moves; });
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] { game.onTargetClicked(clicks++ % 5); });
    player.start(250);
    cpu0 = cpuSeconds();
    clockTicks.clock.start();
    QApplication::exec();
    return {clockTicks.clock.nsecsElapsed() / 1e9, cpuSeconds() - cpu0};
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Options options;
    options.dataRoot = QApplication::applicationDirPath();
    const QStringList args = QApplication::arguments();
    if (const qsizetype i = args.indexOf("--data-dir"); i >= 0 && i + 1 < args.size())
        options.dataRoot = args[i + 1];
    options.mute = true;
    options.seed = 1;

    TickMeter bare;
    report("bare 10 ms precise timer", bare, bareTimer(bare, 5000));

    rules::SystemClock clock;
    AppContext ctx(options, clock);
    TickMeter clockTicks;
    long moves = 0, clicks = 0;
    const Run game = wholeGame(ctx, clockTicks, moves, clicks);
    report("target game clock", clockTicks, game);
    std::printf("%-28s %6.2f moves/s, %ld clicks\n", "target moves (jump timer)",
                moves / game.wallSeconds, clicks);
    return 0;
}
