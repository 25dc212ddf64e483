#include "sound/wave_check.h"

#include <cstdint>
#include <cstring>

namespace tavrin {

namespace {

constexpr std::size_t kChunkHeader = 8; // four letters and a little-endian length
constexpr std::size_t kWaveFormatBytes = 16;

std::uint32_t littleEndian32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

bool startsWith(std::span<const unsigned char> bytes, std::size_t at, const char* tag) {
    return bytes.size() >= at + 4 && std::memcmp(bytes.data() + at, tag, 4) == 0;
}

} // namespace

std::string waveProblem(std::span<const unsigned char> bytes) {
    if (!startsWith(bytes, 0, "RIFF") || !startsWith(bytes, 8, "WAVE"))
        return "not a WAVE file";
    if (littleEndian32(bytes.data() + 4) > bytes.size() - kChunkHeader)
        return "its length is larger than the file";
    bool format = false, samples = false;
    for (std::size_t at = 12; at + kChunkHeader <= bytes.size();) {
        const std::size_t length = littleEndian32(bytes.data() + at + 4);
        const std::size_t left = bytes.size() - at - kChunkHeader;
        if (length > left)
            return "a chunk runs past the end of the file";
        format = format || (startsWith(bytes, at, "fmt ") && length >= kWaveFormatBytes);
        samples = samples || startsWith(bytes, at, "data");
        at += kChunkHeader + length + (length & 1); // chunks are padded to an even length
    }
    if (!format || !samples)
        return "its format or its samples are missing";
    return {};
}

} // namespace tavrin
