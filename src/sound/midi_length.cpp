#include "sound/midi_length.h"

#include "sound/midi_events.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

namespace tavrin {

namespace {

constexpr std::uint32_t kDefaultMicrosecondsPerQuarter = 500'000; // 120 beats a minute

struct TrackSummary {
    std::map<std::uint64_t, std::uint32_t> tempoChanges; // tick -> microseconds per quarter
    std::optional<std::uint64_t> lastNoteTick;
};

void summarize(const MidiEvent& event, TrackSummary& summary) {
    if (event.status == 0xFF && event.metaType == 0x51 && event.data.size() == 3) {
        summary.tempoChanges[event.tick] =
            (event.data[0] << 16) | (event.data[1] << 8) | event.data[2];
    } else if (event.status >= 0x80 && event.status < 0xF0) {
        const std::uint8_t kind = event.status & 0xF0;
        if (kind == 0x80 || kind == 0x90)
            summary.lastNoteTick = std::max(summary.lastNoteTick.value_or(0), event.tick);
    }
}

double secondsAt(std::uint64_t tick, const std::map<std::uint64_t, std::uint32_t>& tempoChanges,
                 double ticksPerQuarter) {
    double seconds = 0;
    std::uint64_t from = 0;
    std::uint32_t tempo = kDefaultMicrosecondsPerQuarter;
    for (const auto& [changeTick, newTempo] : tempoChanges) {
        if (changeTick >= tick)
            break;
        seconds += (changeTick - from) * tempo / 1e6 / ticksPerQuarter;
        from = changeTick;
        tempo = newTempo;
    }
    return seconds + (tick - from) * tempo / 1e6 / ticksPerQuarter;
}

} // namespace

std::optional<double> midiTuneSeconds(std::span<const unsigned char> bytes) {
    TrackSummary summary;
    const auto header =
        readMidiFile(bytes, [&summary](const MidiEvent& event) { summarize(event, summary); });
    if (!header || header->division == 0 || !summary.lastNoteTick)
        return std::nullopt;
    if (header->division & 0x8000) { // SMPTE time: frames a second and ticks a frame
        const int framesPerSecond = -static_cast<std::int8_t>(header->division >> 8);
        const int ticksPerFrame = header->division & 0xFF;
        if (framesPerSecond <= 0 || ticksPerFrame == 0)
            return std::nullopt;
        return *summary.lastNoteTick / double(framesPerSecond * ticksPerFrame);
    }
    return secondsAt(*summary.lastNoteTick, summary.tempoChanges, header->division);
}

std::optional<int> tuneEndMilliseconds(double tuneSeconds) {
    // Written so that NaN fails too.
    if (!(tuneSeconds >= 0 && tuneSeconds <= kLongestTimedTuneSeconds))
        return std::nullopt;
    return static_cast<int>(std::ceil(tuneSeconds * 1000));
}

} // namespace tavrin
