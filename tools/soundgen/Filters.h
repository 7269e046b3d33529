#pragma once
#include <cmath>

namespace soundgen {

constexpr float PI = 3.14159265358979f;

// One-pole low-pass; the high-pass is what it takes away.
class OnePole {
public:
    void SetCutoff(float hz, float rate) { coef = 1.0f - std::exp(-2.0f * PI * hz / rate); }
    float LowPass(float x) { return state += coef * (x - state); }
    float HighPass(float x) { return x - LowPass(x); }

private:
    float coef = 1.0f;
    float state = 0.0f;
};

// Chamberlin state-variable filter: band-pass with a cutoff that may move
// every sample, for sweeps. Stable for cutoffs below a sixth of the rate.
class StateVariable {
public:
    void Set(float hz, float q, float rate)
    {
        f = 2.0f * std::sin(PI * std::fmin(hz, rate / 6.0f) / rate);
        damp = 1.0f / q;
    }
    float BandPass(float x)
    {
        low += f * band;
        float high = x - low - damp * band;
        band += f * high;
        return band;
    }

private:
    float f = 0.1f;
    float damp = 1.0f;
    float low = 0.0f;
    float band = 0.0f;
};

} // namespace soundgen
