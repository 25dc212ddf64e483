#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace tavrin {

struct MidiFileHeader {
    std::uint32_t trackCount = 0;
    std::uint32_t division = 0; // ticks a quarter note, or SMPTE timing when the top bit is set
};

struct MidiEvent {
    std::uint64_t tick = 0; // from the start of its track
    // 0x80-0xEF a channel message, 0xFF a meta event, 0xF0 or 0xF7 a system exclusive message.
    std::uint8_t status = 0;
    std::uint8_t metaType = 0;                // meta events only
    std::span<const unsigned char> data = {}; // a channel message's data bytes, or the payload
};

// Reads a Standard MIDI File and hands each event of each track to `visit`, track after track,
// up to each track's end. Nothing when the bytes are not a MIDI file that can be read to the end
// (what was visited before the fault has been visited).
std::optional<MidiFileHeader> readMidiFile(std::span<const unsigned char> bytes,
                                           const std::function<void(const MidiEvent&)>& visit);

} // namespace tavrin
