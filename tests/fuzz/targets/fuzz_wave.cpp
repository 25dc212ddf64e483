// The effects' check: any bytes are taken or refused in one short line, and what is taken has
// its format and samples inside the file, so SDL reads nothing beyond it.
#include "invariants.h"
#include "sound/wave_check.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = tavrin::waveProblem(std::span(data, size));
    if (!problem.empty()) {
        fuzz::require(problem.size() < 80 && problem.find('\n') == std::string::npos,
                      "a problem that is no short line", problem);
        return 0;
    }
    fuzz::require(size >= 12 && std::memcmp(data, "RIFF", 4) == 0 &&
                      std::memcmp(data + 8, "WAVE", 4) == 0,
                  "a file taken that is no WAVE file");
    return 0;
}
