// A small deterministic random source, so every build draws the same pictures
// and synthesises the same sounds.
#pragma once

#include <cstdint>

namespace vis {

class SeededRandom {
public:
    explicit SeededRandom(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}

    std::uint32_t Next() {
        // xorshift32
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [0, 1).
    double Unit() { return (Next() >> 8) * (1.0 / 16777216.0); }
    double Range(double low, double high) { return low + (high - low) * Unit(); }
    int Below(int count) { return static_cast<int>(Unit() * count); }

private:
    std::uint32_t state_;
};

}  // namespace vis
