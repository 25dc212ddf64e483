#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavrin {

// An SF2 soundfont cut down to some of its presets. Loading a soundfont, FluidSynth builds a
// structure of about two kilobytes for each zone of each preset and instrument (some 5 MB for a
// General MIDI set, more while it parses), however few of them a tune plays. The cut-down file
// keeps the presets asked for and the instruments they use, zones, generators and modulators as
// they are; every sample header, so that samples keep their numbers; and the sample data where
// it is. Only the preset data (the "pdta" list, a few kilobytes) is made anew, in memory; the
// rest is read from the original file.
class SoundFontSubset {
public:
    using Keep = std::function<bool(int bank, int program)>;

    // Nothing when the file is not an SF2 soundfont this can read (it is then used whole).
    static std::optional<SoundFontSubset> make(const std::string& path, const Keep& keep);

    std::uint64_t size() const { return size_; }
    int presetCount() const { return presetCount_; }

    // Copies `count` bytes from `offset` of the cut-down file to `out`, reading the bytes it
    // shares with the original from `original`. False when they are not all there.
    bool read(std::FILE* original, std::uint64_t offset, char* out, std::uint64_t count) const;

private:
    // A stretch of the cut-down file: made in memory, or the same bytes as in the original.
    struct Piece {
        std::uint64_t start = 0; // in the cut-down file
        std::uint64_t length = 0;
        bool inMemory = false;
        std::uint64_t from = 0; // offset in memory_, or in the original
    };

    std::vector<Piece> pieces_;
    std::string memory_;
    std::uint64_t size_ = 0;
    int presetCount_ = 0;
};

} // namespace tavrin
