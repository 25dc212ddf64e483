#pragma once

#include <optional>
#include <set>
#include <span>

namespace tavrin {

// The soundfont presets a MIDI tune can select, as FluidSynth plays it: the programs chosen on
// its melodic channels, from any bank, and those chosen on its percussion channel (the tenth),
// from the percussion bank. Program 0 is on both lists: every channel starts on it. A tune that
// selects banks itself may select any preset.
struct TunePresets {
    static constexpr int kPercussionBank = 128;
    static constexpr int kPercussionChannel = 9;

    std::set<int> melodic{0};
    std::set<int> percussion{0};
    bool all = false;

    bool includes(int bank, int program) const;
    // Adds another tune's presets.
    void add(const TunePresets& other);
    bool operator==(const TunePresets&) const = default;
};

// Nothing when the bytes are not a MIDI file that can be read to the end.
std::optional<TunePresets> tunePresets(std::span<const unsigned char> midiBytes);

} // namespace tavrin
