#include "sound/sound_libraries.h"

#include <dlfcn.h>

namespace tavrin {

namespace {

// Opens a library and finds each of the functions; false, with `problem` said, when the library
// or one of them is missing (a build too old, or not the library at all).
class LibraryReader {
public:
    LibraryReader(const char* name, std::string& problem) : name_(name), problem_(problem) {
        handle_ = dlopen(name, RTLD_NOW | RTLD_LOCAL);
        if (!handle_)
            fail(dlerror());
    }
    template <typename Function> void find(Function& function, const char* symbol) {
        if (!handle_)
            return;
        function = reinterpret_cast<Function>(dlsym(handle_, symbol));
        if (!function)
            fail(std::string(name_) + " has no " + symbol);
    }
    bool found() const { return handle_ != nullptr; }

private:
    void fail(const std::string& why) {
        handle_ = nullptr;
        problem_ = why;
    }
    const char* name_;
    std::string& problem_;
    void* handle_;
};

} // namespace

#define TAVRIN_FIND_FUNCTION(name) reader.find(libraries->name, #name);

std::unique_ptr<const SoundLibraries> SoundLibraries::load(const SoundLibraryNames& names,
                                                           std::string& problem) {
    auto libraries = std::make_unique<SoundLibraries>();
    {
        LibraryReader reader(names.sdl, problem);
        TAVRIN_SDL_FUNCTIONS(TAVRIN_FIND_FUNCTION)
        if (!reader.found())
            return nullptr;
    }
    {
        LibraryReader reader(names.mixer, problem);
        TAVRIN_MIXER_FUNCTIONS(TAVRIN_FIND_FUNCTION)
        if (!reader.found())
            return nullptr;
    }
    {
        // The game drives FluidSynth itself (tune_player.h), whether SDL_mixer links it, loads
        // it at run time or plays no MIDI at all.
        LibraryReader reader(names.fluidSynth, libraries->fluidSynthProblem);
        TAVRIN_FLUIDSYNTH_FUNCTIONS(TAVRIN_FIND_FUNCTION)
    }
    {
        std::string ignored; // without it, libasound's complaints are simply printed
        LibraryReader reader(names.alsa, ignored);
        TAVRIN_ALSA_FUNCTIONS(TAVRIN_FIND_FUNCTION)
    }
    return libraries;
}

} // namespace tavrin
