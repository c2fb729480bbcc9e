#pragma once

#include <cstdint>
#include <random>

// Random choices that come out the same for a seed on every standard
// library: mt19937_64 is defined to the bit, the standard distributions are not.
class RandomSource
{
public:
    explicit RandomSource(std::uint64_t seed) : m_engine(seed) {}

    // A number in [0, bound).
    int below(int bound) { return static_cast<int>(m_engine() % static_cast<std::uint64_t>(bound)); }

private:
    std::mt19937_64 m_engine;
};
