#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace tavrin::rules {

// The program's one random generator: every draw is uniform on [0, 1).
// It is reseeded at the moments the game asks for a fresh seed from the time of day; the
// seed source is injected so that a --seed run replays exactly.
class Random {
public:
    using SeedSource = std::function<std::uint32_t()>;

    explicit Random(SeedSource source);

    void reseed();
    void seed(std::uint32_t value);
    std::uint32_t lastSeed() const { return lastSeed_; }
    double next();
    // A whole number from 1 to n, each equally likely.
    int wholeUpTo(int n);

private:
    SeedSource source_;
    std::mt19937 engine_;
    std::uint32_t lastSeed_ = 0;
};

// Seeds from the seconds since midnight, as the game does without --seed.
Random::SeedSource timeOfDaySeedSource(std::function<double()> secondsSinceMidnight);
// Seeds N, N+1, N+2 ... at successive reseeds: reproducible without repeating itself.
Random::SeedSource fixedSeedSource(std::uint32_t first);

} // namespace tavrin::rules
