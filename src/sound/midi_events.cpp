#include "sound/midi_events.h"

#include <stdexcept>

namespace tavrin {
namespace {

struct Malformed : std::runtime_error {
    Malformed() : std::runtime_error("malformed MIDI file") {}
};

// Reads big-endian numbers and MIDI variable-length numbers, refusing to run past the end.
class Reader {
public:
    explicit Reader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
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

int channelMessageDataBytes(std::uint8_t status) {
    const std::uint8_t kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

void readTrack(Reader track, const std::function<void(const MidiEvent&)>& visit) {
    MidiEvent event;
    std::uint8_t runningStatus = 0;
    while (!track.atEnd()) {
        event.tick += track.variableLength();
        event.status = track.peek();
        if (event.status & 0x80)
            track.byte();
        else if (runningStatus)
            event.status = runningStatus; // the byte peeked at is the first data byte
        else
            throw Malformed();

        if (event.status == 0xFF) {
            event.metaType = track.byte();
            event.data = track.take(track.variableLength());
        } else if (event.status == 0xF0 || event.status == 0xF7) {
            event.data = track.take(track.variableLength());
        } else if (event.status >= 0x80 && event.status < 0xF0) {
            runningStatus = event.status;
            event.data = track.take(channelMessageDataBytes(event.status));
        } else {
            throw Malformed(); // system common messages do not belong in a file
        }
        visit(event);
        if (event.status == 0xFF && event.metaType == 0x2F)
            return;
    }
}

} // namespace

std::optional<MidiFileHeader> readMidiFile(std::span<const unsigned char> bytes,
                                           const std::function<void(const MidiEvent&)>& visit) {
    try {
        Reader file(bytes);
        if (file.bigEndian(4) != 0x4D546864) // "MThd"
            return std::nullopt;
        const std::uint32_t headerLength = file.bigEndian(4);
        if (headerLength < 6)
            return std::nullopt;
        MidiFileHeader header;
        file.bigEndian(2); // format: tracks are timed from the start in every format we play
        header.trackCount = file.bigEndian(2);
        header.division = file.bigEndian(2);
        file.skip(headerLength - 6);
        for (std::uint32_t found = 0; found < header.trackCount;) {
            const std::uint32_t chunkType = file.bigEndian(4);
            const auto chunk = file.take(file.bigEndian(4));
            if (chunkType == 0x4D54726B) { // "MTrk"; other chunks are skipped as the format asks
                readTrack(Reader(chunk), visit);
                ++found;
            }
        }
        return header;
    } catch (const Malformed&) {
        return std::nullopt;
    }
}

} // namespace tavrin
