#pragma once

#include <cstdint>

namespace tavrin::rules {

// The generator of simulated games (splitmix64): many times cheaper a draw than the game's own
// generator, which a simulation of a million games would spend most of its time in. Every draw
// is uniform on [0, 1).
class SimulationRandom {
public:
    explicit SimulationRandom(std::uint64_t seed) : state_(seed) {}

    double next() { return static_cast<double>(nextBits() >> 11) * 0x1.0p-53; }
    // A whole number from 1 to n, each equally likely.
    int wholeUpTo(int n) { return 1 + static_cast<int>(next() * n); }

private:
    std::uint64_t nextBits() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        return z ^ (z >> 31);
    }

    std::uint64_t state_;
};

} // namespace tavrin::rules
