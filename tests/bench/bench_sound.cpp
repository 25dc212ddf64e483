// What sound costs the game: the delay from a "Sound" command to the first non-silent sample
// the mixer produces, and the CPU the background music takes while nothing else happens.
// Not a test: run it on an idle machine. SDL_AUDIODRIVER picks the output (default: dummy,
// which plays in real time without a sound card).
//   bench_sound [--data-dir DIR] [--seconds N] [--repeats N]

#include "sound/audio_engine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <SDL_mixer.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

using namespace tavrin;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kAudibleLevel = 1000;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Watches the mixer's output on the audio thread for the first sample above the audible level
// after it is armed, and notes when that sample was mixed.
struct OutputWatch {
    static void SDLCALL onMixed(void* self, Uint8* stream, int length) {
        auto& watch = *static_cast<OutputWatch*>(self);
        if (!watch.armed.load())
            return;
        const auto now = Clock::now();
        const auto* samples = reinterpret_cast<const Sint16*>(stream);
        for (int i = 0; i < length / 2; ++i) {
            if (std::abs(int(samples[i])) >= kAudibleLevel) {
                const auto offset =
                    std::chrono::duration<double>(i / 2 / double(AudioEngine::kOutputRate));
                watch.heardAt = now + std::chrono::duration_cast<Clock::duration>(offset);
                watch.armed.store(false);
                return;
            }
        }
    }
    std::atomic<bool> armed{false};
    Clock::time_point heardAt;
};

void measureLatency(const QString& dataDir, int repeats) {
    AudioEngine engine({.soundFolder = dataDir});
    engine.start();
    if (!engine.waitForStart()) {
        std::printf("latency: no audio output could be opened\n");
        return;
    }
    engine.openEffectsOf(rules::MiniGame::Target);
    OutputWatch watch;
    Mix_SetPostMix(&OutputWatch::onMixed, &watch);

    std::vector<double> delaysMs;
    for (int i = 0; i < repeats; ++i) {
        QTest::qWait(350 + QRandomGenerator::global()->bounded(30)); // the hit has ended
        watch.armed.store(true);
        const auto sent = Clock::now();
        engine.play(Effect::Hit);
        QElapsedTimer waited;
        waited.start();
        while (watch.armed.load() && waited.elapsed() < 1000)
            QTest::qWait(1);
        if (!watch.armed.load())
            delaysMs.push_back(
                std::chrono::duration<double, std::milli>(watch.heardAt - sent).count());
    }
    Mix_SetPostMix(nullptr, nullptr);
    if (delaysMs.empty()) {
        std::printf("latency: the effect was never heard\n");
        return;
    }
    std::sort(delaysMs.begin(), delaysMs.end());
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    std::printf("play(Hit) to first mixed non-silent sample, %zu runs: min %.1f ms, median %.1f "
                "ms, max %.1f ms\n",
                delaysMs.size(), delaysMs.front(), delaysMs[delaysMs.size() / 2], delaysMs.back());
    std::printf("  (the device then plays it after its own buffer; SDL's is %d frames, %.1f ms)\n",
                AudioEngine::Settings{}.bufferFrames,
                1000.0 * AudioEngine::Settings{}.bufferFrames / frequency);
}

double cpuPercentWhile(double seconds) {
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(int(seconds * 1000));
    return 100.0 * (cpuSeconds() - cpuBefore) / (wall.elapsed() / 1000.0);
}

void measureIdleCost(const QString& dataDir, double seconds) {
    {
        AudioEngine::Settings muted;
        muted.mute = true;
        AudioEngine engine(muted);
        std::printf("CPU, muted (no device):          %5.2f %% of a core\n",
                    cpuPercentWhile(seconds));
    }
    AudioEngine engine({.soundFolder = dataDir});
    engine.start();
    if (!engine.waitForStart()) {
        std::printf("CPU: no audio output could be opened\n");
        return;
    }
    std::printf("CPU, device open, nothing plays: %5.2f %% of a core\n", cpuPercentWhile(seconds));
    engine.startMusic();
    if (!engine.isMusicPlaying()) {
        std::printf("CPU: the music did not start (soundfont missing?)\n");
        return;
    }
    std::printf("CPU, background music playing:  %5.2f %% of a core\n", cpuPercentWhile(seconds));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption dataDir("data-dir", "Folder with the sound files.", "dir",
                                     TAVRIN_SOURCE_DATA_DIR);
    const QCommandLineOption seconds("seconds", "Length of each CPU measurement.", "s", "10");
    const QCommandLineOption repeats("repeats", "Number of latency measurements.", "n", "40");
    parser.addOptions({dataDir, seconds, repeats});
    parser.addHelpOption();
    parser.process(app);

    std::printf("audio driver: %s\n", qgetenv("SDL_AUDIODRIVER").constData());
    measureLatency(parser.value(dataDir), parser.value(repeats).toInt());
    measureIdleCost(parser.value(dataDir), parser.value(seconds).toDouble());
    return 0;
}
