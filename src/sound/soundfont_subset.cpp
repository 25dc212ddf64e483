#include "sound/soundfont_subset.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <string_view>
#include <tuple>

namespace tavrin {
namespace {

// The records of the preset data, in the order the SF2 format lists them, and their sizes.
enum Table { Phdr, Pbag, Pmod, Pgen, Inst, Ibag, Imod, Igen, Shdr, kTables };
constexpr std::array<std::string_view, kTables> kTableIds{"phdr", "pbag", "pmod", "pgen", "inst",
                                                          "ibag", "imod", "igen", "shdr"};
constexpr std::array<std::size_t, kTables> kRecordSizes{38, 4, 10, 4, 22, 4, 10, 4, 46};

constexpr int kInstrumentGenerator = 41; // a preset zone's instrument
constexpr std::size_t kNameBytes = 20;   // preset and instrument names come first

// Where a preset or instrument header holds the index of its first bag.
std::size_t bagIndexAt(Table headers) {
    return kNameBytes + (headers == Phdr ? 4 : 0);
}

unsigned readU16(const char* at) {
    return static_cast<unsigned char>(at[0]) | static_cast<unsigned char>(at[1]) << 8;
}
std::uint32_t readU32(const char* at) {
    return readU16(at) | std::uint32_t(readU16(at + 2)) << 16;
}
void writeU16(char* at, unsigned value) {
    at[0] = char(value & 0xFF);
    at[1] = char(value >> 8 & 0xFF);
}
void appendU32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(char(value >> shift & 0xFF));
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool readAt(std::FILE* file, std::uint64_t offset, char* out, std::uint64_t count) {
    return fseeko(file, off_t(offset), SEEK_SET) == 0 && std::fread(out, 1, count, file) == count;
}

// The records of one table of the preset data.
struct Records {
    const char* data = nullptr;
    std::size_t count = 0;
    std::size_t size = 0;
    const char* at(std::size_t i) const { return data + i * size; }
};

// The preset data as read from the file: each table's records, the last of each a terminal one.
struct Hydra {
    std::array<Records, kTables> tables;

    // Where the bag list of preset or instrument `i` starts, and its generators and modulators.
    std::size_t firstBag(Table headers, std::size_t i) const {
        return readU16(tables[headers].at(i) + bagIndexAt(headers));
    }
    std::size_t firstOf(Table bags, std::size_t bag, bool modulators) const {
        return readU16(tables[bags].at(bag) + (modulators ? 2 : 0));
    }

    // Every index a record points to lies within its table, as the format requires.
    bool consistent() const {
        for (int t = 0; t < kTables; ++t)
            if (tables[t].count == 0)
                return false;
        for (auto [headers, bags] : {std::pair{Phdr, Pbag}, std::pair{Inst, Ibag}})
            for (std::size_t i = 0; i + 1 < tables[headers].count; ++i)
                if (firstBag(headers, i) > firstBag(headers, i + 1) ||
                    firstBag(headers, i + 1) >= tables[bags].count)
                    return false;
        for (auto [bags, gens, mods] : {std::tuple{Pbag, Pgen, Pmod}, std::tuple{Ibag, Igen, Imod}})
            for (std::size_t b = 0; b + 1 < tables[bags].count; ++b)
                if (firstOf(bags, b, false) > firstOf(bags, b + 1, false) ||
                    firstOf(bags, b + 1, false) >= tables[gens].count ||
                    firstOf(bags, b, true) > firstOf(bags, b + 1, true) ||
                    firstOf(bags, b + 1, true) >= tables[mods].count)
                    return false;
        for (std::size_t g = 0; g + 1 < tables[Pgen].count; ++g)
            if (readU16(tables[Pgen].at(g)) == kInstrumentGenerator &&
                readU16(tables[Pgen].at(g) + 2) + 1 >= tables[Inst].count)
                return false;
        return true;
    }
};

std::optional<Hydra> parseHydra(const std::string& list) {
    Hydra hydra;
    std::size_t pos = 4; // after "pdta"
    for (int t = 0; t < kTables; ++t) {
        if (pos + 8 > list.size() || list.compare(pos, 4, kTableIds[t]) != 0)
            return std::nullopt;
        const std::uint32_t bytes = readU32(list.data() + pos + 4);
        pos += 8;
        if (bytes % kRecordSizes[t] != 0 || bytes > list.size() - pos)
            return std::nullopt;
        hydra.tables[t] = {list.data() + pos, bytes / kRecordSizes[t], kRecordSizes[t]};
        pos += bytes;
    }
    if (!hydra.consistent())
        return std::nullopt;
    return hydra;
}

// Builds the tables of the cut-down preset data.
class HydraWriter {
public:
    explicit HydraWriter(const Hydra& hydra) : in_(hydra) {}

    std::string write(const SoundFontSubset::Keep& keep, int& presetCount) {
        std::vector<std::size_t> presets;
        for (std::size_t p = 0; p + 1 < in_.tables[Phdr].count; ++p) {
            const char* header = in_.tables[Phdr].at(p);
            if (keep(readU16(header + kNameBytes + 2), readU16(header + kNameBytes)))
                presets.push_back(p);
        }
        presetCount = int(presets.size());
        numberInstrumentsOf(presets);
        for (std::size_t p : presets)
            copyHeader(Phdr, p);
        for (const auto& [instrument, number] : newInstrument_)
            copyHeader(Inst, instrument);
        for (int t = Phdr; t < Shdr; ++t)
            appendTerminal(Table(t));
        const auto& samples = in_.tables[Shdr];
        out_[Shdr].assign(samples.data, samples.count * samples.size);

        std::string list = "pdta";
        for (int t = 0; t < kTables; ++t) {
            list += kTableIds[t];
            appendU32(list, std::uint32_t(out_[t].size()));
            list += out_[t];
        }
        return list;
    }

private:
    static Table bagsOf(Table headers) { return headers == Phdr ? Pbag : Ibag; }
    static Table gensOf(Table headers) { return headers == Phdr ? Pgen : Igen; }
    static Table modsOf(Table headers) { return headers == Phdr ? Pmod : Imod; }

    std::size_t count(Table t) const { return out_[t].size() / kRecordSizes[t]; }

    // The instruments the presets use, numbered anew in their original order.
    void numberInstrumentsOf(const std::vector<std::size_t>& presets) {
        for (std::size_t p : presets)
            for (std::size_t b = in_.firstBag(Phdr, p); b < in_.firstBag(Phdr, p + 1); ++b)
                for (std::size_t g = in_.firstOf(Pbag, b, false);
                     g < in_.firstOf(Pbag, b + 1, false); ++g)
                    if (readU16(in_.tables[Pgen].at(g)) == kInstrumentGenerator)
                        newInstrument_[readU16(in_.tables[Pgen].at(g) + 2)] = 0;
        std::size_t n = 0;
        for (auto& [instrument, number] : newInstrument_)
            number = n++;
    }

    // A preset or instrument header with its bags, generators and modulators.
    void copyHeader(Table headers, std::size_t i) {
        const Table bags = bagsOf(headers), gens = gensOf(headers), mods = modsOf(headers);
        std::string header(in_.tables[headers].at(i), kRecordSizes[headers]);
        writeU16(header.data() + bagIndexAt(headers), unsigned(count(bags)));
        out_[headers] += header;
        for (std::size_t b = in_.firstBag(headers, i); b < in_.firstBag(headers, i + 1); ++b) {
            std::string bag(kRecordSizes[bags], '\0');
            writeU16(bag.data(), unsigned(count(gens)));
            writeU16(bag.data() + 2, unsigned(count(mods)));
            out_[bags] += bag;
            for (std::size_t g = in_.firstOf(bags, b, false); g < in_.firstOf(bags, b + 1, false);
                 ++g)
                copyGenerator(gens, g);
            for (std::size_t m = in_.firstOf(bags, b, true); m < in_.firstOf(bags, b + 1, true);
                 ++m)
                out_[mods].append(in_.tables[mods].at(m), kRecordSizes[mods]);
        }
    }

    // Instrument numbers in preset zones follow the instruments kept.
    void copyGenerator(Table gens, std::size_t g) {
        std::string generator(in_.tables[gens].at(g), kRecordSizes[gens]);
        if (gens == Pgen && readU16(generator.data()) == kInstrumentGenerator)
            writeU16(generator.data() + 2,
                     unsigned(newInstrument_.at(readU16(generator.data() + 2))));
        out_[gens] += generator;
    }

    // The terminal record of a table: the original's, pointing past the records kept.
    void appendTerminal(Table t) {
        const auto& records = in_.tables[t];
        std::string terminal(records.at(records.count - 1), records.size);
        if (t == Phdr || t == Inst)
            writeU16(terminal.data() + bagIndexAt(t), unsigned(count(bagsOf(t))));
        if (t == Pbag || t == Ibag) {
            writeU16(terminal.data(), unsigned(count(t == Pbag ? Pgen : Igen)));
            writeU16(terminal.data() + 2, unsigned(count(t == Pbag ? Pmod : Imod)));
        }
        out_[t] += terminal;
    }

    const Hydra& in_;
    std::array<std::string, kTables> out_;
    std::map<std::size_t, std::size_t> newInstrument_; // original number -> new number
};

} // namespace

std::optional<SoundFontSubset> SoundFontSubset::make(const std::string& path, const Keep& keep) {
    File file(std::fopen(path.c_str(), "rb"));
    char riff[12];
    if (!file || !readAt(file.get(), 0, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "sfbk", 4) != 0)
        return std::nullopt;
    const std::uint64_t end = 8 + std::uint64_t(readU32(riff + 4));
    // The top-level lists: INFO, sdta and pdta, in that order in every soundfont.
    for (std::uint64_t at = sizeof riff; at + 12 <= end;) {
        char chunk[12];
        if (!readAt(file.get(), at, chunk, sizeof chunk))
            return std::nullopt;
        const std::uint64_t length = readU32(chunk + 4);
        const std::uint64_t next = at + 8 + length + (length & 1);
        if (std::memcmp(chunk, "LIST", 4) != 0 || std::memcmp(chunk + 8, "pdta", 4) != 0) {
            at = next;
            continue;
        }
        std::string list(length, '\0');
        if (!readAt(file.get(), at + 8, list.data(), length))
            return std::nullopt;
        const auto hydra = parseHydra(list);
        if (!hydra)
            return std::nullopt;
        SoundFontSubset subset;
        const std::string newList = HydraWriter(*hydra).write(keep, subset.presetCount_);
        const std::uint64_t rest = next < end ? end - next : 0; // chunks after the preset data
        const std::uint64_t newSize = at + 8 + newList.size() + rest;
        std::string header = "RIFF";
        appendU32(header, std::uint32_t(newSize - 8));
        header += "sfbk";
        std::string listHeader = "LIST";
        appendU32(listHeader, std::uint32_t(newList.size()));
        subset.memory_ = header + listHeader + newList;
        subset.pieces_ = {{0, sizeof riff, true, 0},
                          {sizeof riff, at - sizeof riff, false, sizeof riff},
                          {at, 8 + newList.size(), true, sizeof riff},
                          {at + 8 + newList.size(), rest, false, next}};
        subset.size_ = newSize;
        return subset;
    }
    return std::nullopt;
}

bool SoundFontSubset::read(std::FILE* original, std::uint64_t offset, char* out,
                           std::uint64_t count) const {
    if (offset > size_ || count > size_ - offset)
        return false;
    for (const Piece& piece : pieces_) {
        if (count == 0)
            break;
        if (offset >= piece.start + piece.length)
            continue;
        const std::uint64_t within = offset - piece.start;
        const std::uint64_t n = std::min(count, piece.length - within);
        if (piece.inMemory)
            std::memcpy(out, memory_.data() + piece.from + within, n);
        else if (!readAt(original, piece.from + within, out, n))
            return false;
        out += n, offset += n, count -= n;
    }
    return count == 0;
}

} // namespace tavrin
