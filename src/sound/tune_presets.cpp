#include "sound/tune_presets.h"

#include "sound/midi_events.h"

namespace tavrin {

namespace {

constexpr int kBankSelect = 0; // controller 0, and 32 for the bank's low bits
constexpr int kBankSelectLow = 32;

} // namespace

bool TunePresets::includes(int bank, int program) const {
    return all || (bank == kPercussionBank ? percussion : melodic).contains(program);
}

void TunePresets::add(const TunePresets& other) {
    melodic.insert(other.melodic.begin(), other.melodic.end());
    percussion.insert(other.percussion.begin(), other.percussion.end());
    all = all || other.all;
}

std::optional<TunePresets> tunePresets(std::span<const unsigned char> midiBytes) {
    TunePresets presets;
    const auto header = readMidiFile(midiBytes, [&presets](const MidiEvent& event) {
        const int kind = event.status & 0xF0;
        if (kind == 0xB0 && (event.data[0] == kBankSelect || event.data[0] == kBankSelectLow))
            presets.all = true;
        if (kind != 0xC0 || event.data[0] > 127) // a program change, to a program there is
            return;
        const bool percussion = (event.status & 0x0F) == TunePresets::kPercussionChannel;
        (percussion ? presets.percussion : presets.melodic).insert(event.data[0]);
    });
    if (!header)
        return std::nullopt;
    return presets;
}

} // namespace tavrin
