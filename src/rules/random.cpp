#include "rules/random.h"

#include <cmath>
#include <utility>

namespace tavrin::rules {

Random::Random(SeedSource source) : source_(std::move(source)) {
    reseed();
}

void Random::reseed() {
    seed(source_());
}

void Random::seed(std::uint32_t value) {
    lastSeed_ = value;
    engine_.seed(value);
}

double Random::next() {
    // 53 random bits give every double in [0, 1) on a uniform grid; never 1.
    return std::generate_canonical<double, 53>(engine_);
}

int Random::wholeUpTo(int n) {
    const int k = 1 + static_cast<int>(std::floor(n * next()));
    return k > n ? n : k; // guards the rounding of n * r for r just below 1
}

Random::SeedSource timeOfDaySeedSource(std::function<double()> secondsSinceMidnight) {
    return [clock = std::move(secondsSinceMidnight)] {
        // Hundredths keep two starts within the same second apart.
        return static_cast<std::uint32_t>(std::llround(clock() * 100.0));
    };
}

Random::SeedSource fixedSeedSource(std::uint32_t first) {
    return [next = first]() mutable { return next++; };
}

} // namespace tavrin::rules
