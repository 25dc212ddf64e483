#pragma once

#include "sound/audio_engine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

// Sends SDL's output to a file (SDL_AUDIODRIVER=disk) so a test can see what was played: raw
// 16-bit stereo at the engine's rate, written at about the speed of real playback. Create it before
// the AudioEngine and read it after the engine is gone, when the file is complete.
class DiskCapture {
public:
    static constexpr int kRate = tavrin::AudioEngine::kOutputRate;

    DiskCapture() {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path()));
    }
    ~DiskCapture() { qputenv("SDL_AUDIODRIVER", "dummy"); }

    QString path() const { return dir_.filePath("output.raw"); }

    // The loudest sample (of either channel) in each window of the given length.
    std::vector<int> peaks(int windowMs) const {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.constData());
        const std::size_t count = std::size_t(bytes.size()) / 2;
        const std::size_t window = std::size_t(kRate) * windowMs / 1000 * 2;
        std::vector<int> out;
        for (std::size_t start = 0; start < count; start += window) {
            int peak = 0;
            for (std::size_t i = start; i < std::min(count, start + window); ++i)
                peak = std::max(peak, std::abs(int(samples[i])));
            out.push_back(peak);
        }
        return out;
    }

private:
    QTemporaryDir dir_;
};

// Runs of windows at or above a level, as (first window, number of windows).
inline std::vector<std::pair<int, int>> loudRuns(const std::vector<int>& peaks, int level) {
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < int(peaks.size()); ++i) {
        if (peaks[i] < level)
            continue;
        if (!runs.empty() && runs.back().first + runs.back().second == i)
            ++runs.back().second;
        else
            runs.push_back({i, 1});
    }
    return runs;
}
