#include "Instruments.h"
#include <algorithm>
#include <cmath>
#include "Filters.h"

namespace soundgen {

namespace {

constexpr double TWO_PI = 6.283185307179586;

// A single cycle of the pad's wave: a few harmonics falling off fast, so
// it is warm and has nothing that could alias even on high notes.
class PadWave {
public:
    static constexpr int SIZE = 4096;

    PadWave() : table(SIZE + 1)
    {
        const float amps[] = {1.0f, 0.45f, 0.25f, 0.12f, 0.07f, 0.035f};
        for (int i = 0; i <= SIZE; ++i)
            for (int h = 0; h < 6; ++h)
                table[i] += amps[h] * static_cast<float>(std::sin(TWO_PI * (h + 1) * i / SIZE));
    }
    // phase in cycles, [0, 1)
    float At(double phase) const
    {
        double x = phase * SIZE;
        int i = static_cast<int>(x);
        float frac = static_cast<float>(x - i);
        return table[i] + frac * (table[i + 1] - table[i]);
    }

private:
    std::vector<float> table;
};

// Raised-cosine ramp from 0 to 1 as x goes from 0 to 1.
float Smooth(float x)
{
    x = std::clamp(x, 0.0f, 1.0f);
    return 0.5f - 0.5f * std::cos(static_cast<float>(TWO_PI / 2) * x);
}

std::vector<float> Pad(double hz, double seconds, float velocity, int rate)
{
    static const PadWave wave;
    const double attack = std::min(0.6, seconds * 0.5), release = 1.2;
    const double detune = std::pow(2.0, 6.0 / 1200.0);  // 6 cents
    std::vector<float> out(static_cast<size_t>((seconds + release) * rate) + 1);
    double phaseA = 0.0, phaseB = 0.37;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        float env = Smooth(static_cast<float>(t / attack)) *
                    (1.0f - Smooth(static_cast<float>((t - seconds) / release)));
        out[i] = 0.5f * velocity * env * (wave.At(phaseA) + wave.At(phaseB));
        phaseA = std::fmod(phaseA + hz * detune / rate, 1.0);
        phaseB = std::fmod(phaseB + hz / detune / rate, 1.0);
    }
    out.back() = 0.0f;
    return out;
}

// Karplus-Strong: the first period is soft noise; after that each sample
// is the damped average of two samples one period back. The period is
// read between samples so the note is in tune.
std::vector<float> Pluck(double hz, double seconds, float velocity, int rate, Noise& noise)
{
    const double release = 0.15;
    const double period = rate / hz - 0.5;  // the averaging delays half a sample
    const size_t whole = static_cast<size_t>(period);
    const float frac = static_cast<float>(period - whole), damping = 0.996f;
    std::vector<float> out(static_cast<size_t>((seconds + release) * rate) + 1);
    // A twice low-passed burst: a felt-soft pluck rather than a pick.
    OnePole soft1, soft2;
    soft1.SetCutoff(500.0f + 700.0f * velocity, static_cast<float>(rate));
    soft2.SetCutoff(500.0f + 700.0f * velocity, static_cast<float>(rate));
    size_t burst = std::min(out.size(), whole + 2);
    float mean = 0.0f;
    for (size_t i = 0; i < burst; ++i) mean += out[i] = soft2.LowPass(soft1.LowPass(noise.White()));
    mean /= static_cast<float>(burst);
    for (size_t i = 0; i < burst; ++i) out[i] -= mean;  // no offset to linger
    auto back = [&](size_t n) { return (1.0f - frac) * out[n - whole] + frac * out[n - whole - 1]; };
    for (size_t n = burst; n < out.size(); ++n) out[n] = damping * 0.5f * (back(n) + back(n - 1));
    // The string sounds for the note's length and is then damped quickly.
    for (size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        out[i] *= 1.6f * velocity * Smooth(static_cast<float>(t / 0.003)) *
                  (1.0f - Smooth(static_cast<float>((t - seconds) / release)));
    }
    out.back() = 0.0f;
    return out;
}

std::vector<float> Bell(double hz, double seconds, float velocity, int rate)
{
    const double ring = 0.9 * std::pow(440.0 / hz, 0.3);  // high bells die sooner
    const double length = seconds + 1.4, fade = 0.4, ratio = 3.5;
    std::vector<float> out(static_cast<size_t>(length * rate) + 1);
    for (size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        double index = 1.6 * std::exp(-t / 0.35) + 0.2;
        double mod = index * std::sin(TWO_PI * hz * ratio * t);
        double env = std::exp(-t / ring) * Smooth(static_cast<float>(t / 0.004)) *
                     (1.0f - Smooth(static_cast<float>((t - (length - fade)) / fade)));
        out[i] = static_cast<float>(velocity * env * std::sin(TWO_PI * hz * t + mod));
    }
    out.back() = 0.0f;
    return out;
}

} // namespace

std::vector<float> RenderNote(Instrument instrument, double hz, double seconds,
                              float velocity, int rate, Noise& noise)
{
    switch (instrument) {
    case Instrument::Pad: return Pad(hz, seconds, velocity, rate);
    case Instrument::Pluck: return Pluck(hz, seconds, velocity, rate, noise);
    case Instrument::Bell: return Bell(hz, seconds, velocity, rate);
    }
    return {};
}

} // namespace soundgen
