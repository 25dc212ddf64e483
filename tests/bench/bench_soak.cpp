// Soak: opens and closes the mini-games 200 times in one process, as a long session does, and
// reports the resident memory after every 20 cycles. Flat after the first cycles is the goal:
// growth there is a leak of something each mini-game makes (windows, sound devices, boxes).
// Not a test: run it with a display (xvfb-run) or QT_QPA_PLATFORM=offscreen.
//   bench_soak [--cycles N] [--data-root DIR] [--mute]
// Sound plays through SDL (SDL_AUDIODRIVER=dummy where there is no sound card) unless --mute.

#include "rules/clock.h"
#include "window_controls.h"
#include "windows/app_context.h"
#include "windows/quiz_window.h"
#include "windows/start_window.h"
#include "windows/target_game_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPushButton>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// Resident memory of this process in KiB, from the kernel's own account.
long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Heap bytes in use in KiB, as the C library's allocator counts them: growth here with the
// resident memory is a leak, resident growth without it is the allocator keeping freed pages.
long heapInUseKiB() {
    return static_cast<long>(mallinfo2().uordblks / 1024);
}

// Lets queued events, deferred deletions included, run as the event loop would.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// One cycle, in four kinds that take turns: a whole quiz to its bonus box, a quiz closed
// after two answers, a target game with some hits closed early, and one closed at once.
void cycle(AppContext& ctx, int n) {
    switch (n % 4) {
    case 0:
    case 1: {
        ctx.session.openMiniGame(rules::MiniGame::Quiz); // as a throw onto its square does
        QuizWindow& quiz = ctx.windows.show<QuizWindow>();
        settle();
        for (int answer = 0; answer < (n % 4 == 0 ? 5 : 2); ++answer) {
            button(quiz, "answerButtons", answer % 3).click();
            settle();
        }
        if (QuizWindow* open = ctx.windows.find<QuizWindow>())
            open->close();
        break;
    }
    default: {
        ctx.session.openMiniGame(rules::MiniGame::Target);
        TargetGameWindow& game = ctx.windows.show<TargetGameWindow>();
        settle();
        if (n % 4 == 2)
            for (int hit = 0; hit < 5; ++hit) {
                game.onTargetClicked(hit);
                settle();
            }
        game.close();
        break;
    }
    }
    settle();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption cycles("cycles", "Mini-game cycles (200).", "n", "200");
    const QCommandLineOption dataRoot("data-root", "Sound files and content sets.", "dir",
                                      TAVRIN_SOURCE_DATA_DIR);
    const QCommandLineOption mute("mute", "No sound device.");
    parser.addOptions({cycles, dataRoot, mute});
    parser.process(app);

    Options options;
    options.dataRoot = parser.value(dataRoot);
    options.mute = parser.isSet(mute);
    options.seed = 1;
    rules::SystemClock clock;
    AppContext ctx(options, clock);
    ctx.messages.autoAnswerAfterMs = 0; // real message boxes, answered at once

    ctx.windows.show<StartWindow>().onStartClicked();
    settle();
    const int total = parser.value(cycles).toInt();
    std::printf("cycles  resident MiB  heap in use MiB\n%6d  %8.1f  %8.1f  (the board open, before "
                "any mini-game)\n",
                0, residentKiB() / 1024.0, heapInUseKiB() / 1024.0);
    long first = 0, firstHeap = 0;
    for (int n = 1; n <= total; ++n) {
        cycle(ctx, n - 1);
        if (n % 20 == 0) {
            const long now = residentKiB();
            const long heap = heapInUseKiB();
            if (first == 0) {
                first = now;
                firstHeap = heap;
            }
            std::printf("%6d  %8.1f  %8.1f\n", n, now / 1024.0, heap / 1024.0);
            std::fflush(stdout);
        }
    }
    std::printf("growth from cycle 20 to %d: resident %+.1f MiB, heap in use %+.1f MiB\n", total,
                (residentKiB() - first) / 1024.0, (heapInUseKiB() - firstHeap) / 1024.0);
    return 0;
}
