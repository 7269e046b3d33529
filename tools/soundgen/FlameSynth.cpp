#include <cmath>
#include "Effects.h"
#include "Filters.h"
#include "Noise.h"
#include "Pcm.h"

namespace soundgen {

namespace {

const float RATE = static_cast<float>(EFFECT_RATE);

// Loudness of the fire at time t: a quick rise, then a fall by 1/e every
// `decay` seconds.
float FlameEnvelope(const FlameParams& p, float t)
{
    if (t < p.attack) return t / p.attack;
    return std::exp(-(t - p.attack) / p.decay);
}

// Centre of the whoosh band: up to the peak then down, moving evenly in
// pitch (log frequency) as the ear hears it.
float SweepCentre(const FlameParams& p, float t)
{
    float from = p.sweepStart, to = p.sweepPeak, x = t / p.peakTime;
    if (t >= p.peakTime) {
        from = p.sweepPeak;
        to = p.sweepEnd;
        x = std::fmin(1.0f, (t - p.peakTime) / std::fmax(0.001f, p.duration - p.peakTime));
    }
    return from * std::pow(to / from, x);
}

// A crackle: a few milliseconds of noise in the snapping band (roughly
// 2 to 6 kHz) falling away quickly, scattered at random, more of them
// while the fire is loud.
void AddCrackles(const FlameParams& p, std::vector<float>& out, Noise& noise)
{
    float chance = p.crackleRate / RATE;
    for (size_t i = 0; i < out.size(); ++i) {
        float strength = std::sqrt(FlameEnvelope(p, i / RATE));
        if (noise.Unit() >= chance * strength) continue;
        float gain = p.crackleGain * noise.Between(0.25f, 1.0f) * strength;
        float tau = noise.Between(0.0005f, 0.002f) * RATE;
        OnePole bright, dull;
        bright.SetCutoff(noise.Between(1500.0f, 4000.0f), RATE);
        dull.SetCutoff(6000.0f, RATE);
        size_t length = static_cast<size_t>(tau * 5.0f);
        for (size_t k = 0; k < length && i + k < out.size(); ++k)
            out[i + k] += gain * std::exp(-static_cast<float>(k) / tau) * dull.LowPass(bright.HighPass(noise.White()));
    }
}

// The fire itself: the swept whoosh, the roar and the hiss under the
// flame's envelope.
std::vector<float> FlameBody(const FlameParams& p, Noise& noise)
{
    std::vector<float> out(static_cast<size_t>(p.duration * RATE));
    StateVariable whoosh;
    OnePole roar1, roar2, hissLow, hissHigh;
    roar1.SetCutoff(180.0f, RATE);
    roar2.SetCutoff(180.0f, RATE);
    hissLow.SetCutoff(3000.0f, RATE);
    hissHigh.SetCutoff(7000.0f, RATE);
    for (size_t i = 0; i < out.size(); ++i) {
        float t = i / RATE;
        whoosh.Set(SweepCentre(p, t), p.resonance, RATE);
        float body = whoosh.BandPass(noise.White())
                   + p.roar * 4.0f * roar2.LowPass(roar1.LowPass(noise.White()))
                   + p.hiss * hissHigh.LowPass(hissLow.HighPass(noise.White()));
        out[i] = FlameEnvelope(p, t) * body;
    }
    return out;
}

// White noise keeps much of its energy far above where a fire has any;
// rolling it off makes the result a roar rather than a hiss.
void RollOffTop(std::vector<float>& out)
{
    OnePole top1, top2;
    top1.SetCutoff(5000.0f, RATE);
    top2.SetCutoff(5000.0f, RATE);
    for (float& s : out) s = top2.LowPass(top1.LowPass(s));
}

} // namespace

std::vector<float> SynthFlame(const FlameParams& p)
{
    Noise noise(static_cast<uint32_t>(p.seed) * 2654435761u + 1);
    std::vector<float> out = FlameBody(p, noise);
    AddCrackles(p, out, noise);
    RollOffTop(out);
    FadeOutTail(out, static_cast<size_t>(0.05f * RATE));
    NormalisePeak(out, p.peak);
    return out;
}

} // namespace soundgen
