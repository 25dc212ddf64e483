#pragma once

#include <optional>
#include <span>

namespace tavrin {

// Seconds from the start of a Standard MIDI File to its last note event, following every
// tempo change. FluidSynth reports the end of a tune seconds after its last note, so the
// sequencer times the end itself from this. Nothing when the bytes are not a MIDI file that
// can be read to the end, or when it holds no notes.
std::optional<double> midiTuneSeconds(std::span<const unsigned char> bytes);

// The longest tune the sequencer times itself; a longer one (a crafted file whose last note
// comes days late) ends on FluidSynth's own report.
inline constexpr double kLongestTimedTuneSeconds = 3600;

// When the sequencer reports a tune of this length as ended, in whole milliseconds from its
// start; nothing when it is longer than kLongestTimedTuneSeconds, or no length at all.
std::optional<int> tuneEndMilliseconds(double tuneSeconds);

} // namespace tavrin
