#include "sound/midi_length.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <cmath>

namespace tavrin {

namespace {

constexpr std::uint32_t kDefaultMicrosecondsPerQuarter = 500'000; // 120 beats a minute

struct Malformed : std::runtime_error {
    Malformed() : std::runtime_error("malformed MIDI file") {}
};

// Reads big-endian numbers and MIDI variable-length numbers, refusing to run past the end.
class Reader {
public:
    explicit Reader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    std::uint8_t byte() {
        if (atEnd())
            throw Malformed();
        return bytes_[pos_++];
    }
    std::uint8_t peek() const {
        if (atEnd())
            throw Malformed();
        return bytes_[pos_];
    }
    std::uint32_t bigEndian(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = (value << 8) | byte();
        return value;
    }
    std::uint32_t variableLength() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return value;
        }
        throw Malformed();
    }
    void skip(std::size_t count) {
        if (count > remaining())
            throw Malformed();
        pos_ += count;
    }
    std::span<const unsigned char> take(std::size_t count) {
        const auto start = pos_;
        skip(count);
        return bytes_.subspan(start, count);
    }

private:
    std::span<const unsigned char> bytes_;
    std::size_t pos_ = 0;
};

struct TrackSummary {
    std::map<std::uint64_t, std::uint32_t> tempoChanges; // tick -> microseconds per quarter
    std::optional<std::uint64_t> lastNoteTick;
};

int channelMessageDataBytes(std::uint8_t status) {
    const std::uint8_t kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

void readTrack(Reader track, TrackSummary& summary) {
    std::uint64_t tick = 0;
    std::uint8_t runningStatus = 0;
    while (!track.atEnd()) {
        tick += track.variableLength();
        std::uint8_t status = track.peek();
        if (status & 0x80)
            track.byte();
        else if (runningStatus)
            status = runningStatus; // the byte read is the first data byte
        else
            throw Malformed();

        if (status == 0xFF) {
            const std::uint8_t type = track.byte();
            const auto data = track.take(track.variableLength());
            if (type == 0x51 && data.size() == 3)
                summary.tempoChanges[tick] = (data[0] << 16) | (data[1] << 8) | data[2];
            if (type == 0x2F)
                return;
        } else if (status == 0xF0 || status == 0xF7) {
            track.skip(track.variableLength());
        } else if (status >= 0x80 && status < 0xF0) {
            runningStatus = status;
            track.skip(channelMessageDataBytes(status));
            const std::uint8_t kind = status & 0xF0;
            if (kind == 0x80 || kind == 0x90)
                summary.lastNoteTick = std::max(summary.lastNoteTick.value_or(0), tick);
        } else {
            throw Malformed(); // system common messages do not belong in a file
        }
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
    try {
        Reader file(bytes);
        if (file.bigEndian(4) != 0x4D546864) // "MThd"
            return std::nullopt;
        const std::uint32_t headerLength = file.bigEndian(4);
        if (headerLength < 6)
            return std::nullopt;
        file.bigEndian(2); // format: tracks are timed from the start in every format we play
        const std::uint32_t trackCount = file.bigEndian(2);
        const std::uint32_t division = file.bigEndian(2);
        file.skip(headerLength - 6);
        if (division == 0)
            return std::nullopt;

        TrackSummary summary;
        for (std::uint32_t found = 0; found < trackCount;) {
            const std::uint32_t chunkType = file.bigEndian(4);
            const auto chunk = file.take(file.bigEndian(4));
            if (chunkType == 0x4D54726B) { // "MTrk"; other chunks are skipped as the format asks
                readTrack(Reader(chunk), summary);
                ++found;
            }
        }
        if (!summary.lastNoteTick)
            return std::nullopt;

        if (division & 0x8000) { // SMPTE time: frames a second and ticks a frame
            const int framesPerSecond = -static_cast<std::int8_t>(division >> 8);
            const int ticksPerFrame = division & 0xFF;
            if (framesPerSecond <= 0 || ticksPerFrame == 0)
                return std::nullopt;
            return *summary.lastNoteTick / double(framesPerSecond * ticksPerFrame);
        }
        return secondsAt(*summary.lastNoteTick, summary.tempoChanges, division);
    } catch (const Malformed&) {
        return std::nullopt;
    }
}

std::optional<int> tuneEndMilliseconds(double tuneSeconds) {
    // Written so that NaN fails too.
    if (!(tuneSeconds >= 0 && tuneSeconds <= kLongestTimedTuneSeconds))
        return std::nullopt;
    return static_cast<int>(std::ceil(tuneSeconds * 1000));
}

} // namespace tavrin
