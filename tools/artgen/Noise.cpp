#include "Noise.h"
#include <cmath>

namespace {

float Lattice(int x, int y, uint32_t seed, int period)
{
    if (period > 0) {
        x = ((x % period) + period) % period;
        y = ((y % period) + period) % period;
    }
    uint32_t h = seed * 0x9E3779B1u ^ static_cast<uint32_t>(x) * 0x85EBCA77u ^ static_cast<uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

float Smooth(float t) { return t * t * (3.0f - 2.0f * t); }

} // namespace

float ValueNoise(float x, float y, uint32_t seed, int period)
{
    int x0 = static_cast<int>(std::floor(x));
    int y0 = static_cast<int>(std::floor(y));
    float fx = Smooth(x - x0);
    float fy = Smooth(y - y0);
    float top = Lattice(x0, y0, seed, period) * (1 - fx) + Lattice(x0 + 1, y0, seed, period) * fx;
    float bottom = Lattice(x0, y0 + 1, seed, period) * (1 - fx) + Lattice(x0 + 1, y0 + 1, seed, period) * fx;
    return top * (1 - fy) + bottom * fy;
}

float LayeredNoise(float x, float y, uint32_t seed, int octaves, int period)
{
    float sum = 0, weight = 1, total = 0, scale = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x * scale, y * scale, seed + i, period > 0 ? period * static_cast<int>(scale) : 0) * weight;
        total += weight;
        weight *= 0.5f;
        scale *= 2;
    }
    return sum / total;
}
