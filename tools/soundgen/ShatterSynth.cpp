#include <cmath>
#include "Effects.h"
#include "Filters.h"
#include "Noise.h"
#include "Pcm.h"

namespace soundgen {

namespace {

const float RATE = static_cast<float>(EFFECT_RATE);

// Adds one decaying sine from `onset` seconds on, with a 1 ms rise so it
// starts without a click; stops once it has fallen below hearing.
void AddPartial(std::vector<float>& out, float onset, float hz, float gain, float decay, float phase)
{
    size_t first = static_cast<size_t>(onset * RATE);
    size_t length = static_cast<size_t>(decay * 7.0f * RATE);
    float rise = 0.001f * RATE;
    for (size_t k = 0; k < length && first + k < out.size(); ++k) {
        float age = static_cast<float>(k);
        float env = std::exp(-age / (decay * RATE)) * std::fmin(1.0f, age / rise);
        double angle = phase + 2.0 * PI * hz * static_cast<double>(k) / RATE;  // double: long notes stay in tune
        out[first + k] += gain * env * static_cast<float>(std::sin(angle));
    }
}

float LogUniform(Noise& noise, float low, float high)
{
    return low * std::pow(high / low, noise.Unit());
}

// The first break: many partials starting close together, the earliest
// ones loudest.
void AddBreak(const ShatterParams& p, std::vector<float>& out, Noise& noise)
{
    int count = static_cast<int>(p.partials);
    for (int i = 0; i < count; ++i) {
        float onset = p.spread * noise.Unit() * noise.Unit();
        float gain = noise.Between(0.3f, 1.0f) * (1.0f - 0.5f * onset / std::fmax(p.spread, 0.001f));
        AddPartial(out, onset, LogUniform(noise, p.lowFreq, p.highFreq), gain,
                   LogUniform(noise, p.shortDecay, p.longDecay), noise.Between(0.0f, 2.0f * PI));
    }
}

// Shards landing later: small clusters of two to four quiet partials.
void AddTinkles(const ShatterParams& p, std::vector<float>& out, Noise& noise)
{
    int count = static_cast<int>(p.tinkles);
    for (int i = 0; i < count; ++i) {
        float onset = noise.Between(0.15f, 0.75f) * p.duration;
        int voices = 2 + static_cast<int>(noise.Unit() * 3.0f);
        float gain = p.tinkleGain * noise.Between(0.3f, 1.0f) * (1.0f - 0.6f * onset / p.duration);
        for (int v = 0; v < voices; ++v)
            AddPartial(out, onset, LogUniform(noise, p.lowFreq * 1.3f, p.highFreq), gain,
                       LogUniform(noise, p.shortDecay, p.shortDecay * 2.0f), noise.Between(0.0f, 2.0f * PI));
    }
}

// The impact: a burst of bright noise and a short low knock.
void AddImpact(const ShatterParams& p, std::vector<float>& out, Noise& noise)
{
    OnePole bright;
    bright.SetCutoff(3000.0f, RATE);
    float tau = p.transientDecay * RATE, knock = 0.03f * RATE;
    size_t length = std::min(out.size(), static_cast<size_t>(std::fmax(tau, knock) * 7.0f));
    for (size_t k = 0; k < length; ++k) {
        float age = static_cast<float>(k);
        float burst = p.transient * std::exp(-age / tau) * bright.HighPass(noise.White());
        float thump = p.thump * std::exp(-age / knock) * std::sin(2.0f * PI * 180.0f * age / RATE);
        out[k] += burst * 4.0f + thump * 4.0f;
    }
}

} // namespace

std::vector<float> SynthShatter(const ShatterParams& p)
{
    Noise noise(static_cast<uint32_t>(p.seed) * 2654435761u + 1);
    std::vector<float> out(static_cast<size_t>(p.duration * RATE));
    AddImpact(p, out, noise);
    AddBreak(p, out, noise);
    AddTinkles(p, out, noise);
    FadeOutTail(out, static_cast<size_t>(0.03f * RATE));
    NormalisePeak(out, p.peak);
    return out;
}

} // namespace soundgen
