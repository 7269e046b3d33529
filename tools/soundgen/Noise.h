#pragma once
#include <cstdint>

namespace soundgen {

// A small xorshift generator: the same seed gives the same sound on every
// machine, which the standard distributions do not promise.
class Noise {
public:
    explicit Noise(uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}

    uint32_t Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    // Uniform in [0, 1).
    float Unit() { return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f); }
    // Uniform in [-1, 1).
    float White() { return Unit() * 2.0f - 1.0f; }
    float Between(float low, float high) { return low + (high - low) * Unit(); }

private:
    uint32_t state;
};

} // namespace soundgen
