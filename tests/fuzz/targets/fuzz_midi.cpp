// The MIDI readers: any bytes give no length or a finite one, and the sequencer's end timer is
// either off or within an hour; the presets a tune selects are MIDI program numbers.
#include "invariants.h"
#include "sound/midi_length.h"
#include "sound/tune_presets.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavrin;
    if (const auto presets = tunePresets(std::span(data, size)))
        for (const auto* programs : {&presets->melodic, &presets->percussion})
            fuzz::require(programs->contains(0) && *programs->rbegin() < 128,
                          "a preset that is no program number");
    const auto seconds = midiTuneSeconds(std::span(data, size));
    if (!seconds)
        return 0;
    fuzz::require(std::isfinite(*seconds) && *seconds >= 0, "a length that is no duration");
    if (const auto ms = tuneEndMilliseconds(*seconds))
        fuzz::require(*ms >= 0 && *ms <= kLongestTimedTuneSeconds * 1000,
                      "an end timer outside an hour");
    return 0;
}
