#include "sound/soundfont_loader.h"

#include "sound/mixer_library.h"
#include "sound/soundfont_subset.h"

#include <atomic>
#include <cstdio>
#include <fluidsynth.h>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace tavrin {
namespace {

// FluidSynth opens a soundfont on the thread that loads a tune, and again, to read the samples
// of a preset a channel selects, on SDL's audio thread.
std::mutex keptLock;
std::optional<TunePresets> kept;
std::map<std::string, std::shared_ptr<const SoundFontSubset>> subsets; // made for `kept`
std::atomic<int> cutDownOpenings{0};

std::shared_ptr<const SoundFontSubset> subsetFor(const std::string& path) {
    const std::lock_guard lock(keptLock);
    if (!kept || kept->all)
        return nullptr;
    auto it = subsets.find(path);
    if (it == subsets.end()) {
        const TunePresets presets = *kept;
        auto subset = SoundFontSubset::make(
            path, [&presets](int bank, int program) { return presets.includes(bank, program); });
        it = subsets
                 .emplace(path, subset ? std::make_shared<const SoundFontSubset>(*subset) : nullptr)
                 .first;
    }
    return it->second;
}

// A soundfont as FluidSynth reads it: cut down, or whole when it cannot be.
struct OpenSoundFont {
    std::FILE* file = nullptr;
    std::shared_ptr<const SoundFontSubset> subset;
    std::uint64_t size = 0;
    std::uint64_t position = 0;
};

void* openSoundFont(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return nullptr;
    auto* open = new OpenSoundFont{file, subsetFor(path)};
    if (open->subset) {
        open->size = open->subset->size();
        ++cutDownOpenings;
    } else if (fseeko(file, 0, SEEK_END) == 0) {
        open->size = std::uint64_t(ftello(file));
    }
    return open;
}

int readSoundFont(void* buffer, fluid_long_long_t count, void* handle) {
    auto* open = static_cast<OpenSoundFont*>(handle);
    char* out = static_cast<char*>(buffer);
    const auto bytes = std::uint64_t(count);
    bool read = false;
    if (open->subset)
        read = open->subset->read(open->file, open->position, out, bytes);
    else
        read = fseeko(open->file, off_t(open->position), SEEK_SET) == 0 &&
               std::fread(out, 1, bytes, open->file) == bytes;
    if (!read)
        return FLUID_FAILED;
    open->position += bytes;
    return FLUID_OK;
}

int seekSoundFont(void* handle, fluid_long_long_t offset, int origin) {
    auto* open = static_cast<OpenSoundFont*>(handle);
    const fluid_long_long_t base = origin == SEEK_SET   ? 0
                                   : origin == SEEK_CUR ? fluid_long_long_t(open->position)
                                                        : fluid_long_long_t(open->size);
    if (base + offset < 0)
        return FLUID_FAILED;
    open->position = std::uint64_t(base + offset);
    return FLUID_OK;
}

fluid_long_long_t tellSoundFont(void* handle) {
    return fluid_long_long_t(static_cast<OpenSoundFont*>(handle)->position);
}

int closeSoundFont(void* handle) {
    auto* open = static_cast<OpenSoundFont*>(handle);
    std::fclose(open->file);
    delete open;
    return FLUID_OK;
}

template <class Function> Function fluidFunction(const char* name) {
    return reinterpret_cast<Function>(mixerSymbol(name));
}

} // namespace

void keepPresetsOf(const std::optional<TunePresets>& tune) {
    const std::lock_guard lock(keptLock);
    const TunePresets before = kept.value_or(TunePresets{});
    if (!tune)
        kept = TunePresets{.all = true};
    else if (!kept)
        kept = *tune;
    else
        kept->add(*tune);
    if (!(*kept == before))
        subsets.clear();
}

bool readCutDownSoundFonts(fluid_synth_t* synth, fluid_settings_t* settings) {
    static const auto newLoader =
        fluidFunction<decltype(&new_fluid_defsfloader)>("new_fluid_defsfloader");
    static const auto setCallbacks =
        fluidFunction<decltype(&fluid_sfloader_set_callbacks)>("fluid_sfloader_set_callbacks");
    static const auto addLoader =
        fluidFunction<decltype(&fluid_synth_add_sfloader)>("fluid_synth_add_sfloader");
    static const auto deleteLoader =
        fluidFunction<decltype(&delete_fluid_sfloader)>("delete_fluid_sfloader");
    if (!newLoader || !setCallbacks || !addLoader || !deleteLoader)
        return false;
    fluid_sfloader_t* loader = newLoader(settings);
    if (!loader)
        return false;
    if (setCallbacks(loader, openSoundFont, readSoundFont, seekSoundFont, tellSoundFont,
                     closeSoundFont) != FLUID_OK) {
        deleteLoader(loader);
        return false;
    }
    addLoader(synth, loader); // the synthesizer owns it, and tries it first
    return true;
}

int cutDownSoundFontOpenings() {
    return cutDownOpenings.load();
}

} // namespace tavrin
