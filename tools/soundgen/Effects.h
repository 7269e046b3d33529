#pragma once
#include <string>
#include <vector>

namespace soundgen {

// Both effects are written at this rate, so the shatter's noisy impact
// keeps the top octave that 22050 Hz would cut away.
constexpr int EFFECT_RATE = 44100;

// The burning flame: a whoosh of band-passed noise whose centre rises and
// falls, a low roar, a little hiss, and random crackles.
struct FlameParams {
    float duration = 1.0f;       // seconds
    float attack = 0.06f;        // seconds to full loudness
    float decay = 0.35f;         // seconds for the body to fall by 1/e
    float sweepStart = 300.0f;   // band centre at the start, Hz
    float sweepPeak = 1800.0f;   // band centre at its highest, Hz
    float sweepEnd = 500.0f;     // band centre at the end, Hz
    float peakTime = 0.25f;      // seconds until the band is highest
    float resonance = 0.9f;      // band-pass Q
    float roar = 0.6f;           // level of the low-passed roar
    float hiss = 0.12f;          // level of the 3-7 kHz hiss
    float crackleRate = 60.0f;   // crackles per second at full flame
    float crackleGain = 1.6f;    // loudest crackle against the body
    float peak = 0.85f;          // loudest sample of the result
    float seed = 1.0f;
};

// The ice shattering: a noisy impact, a cascade of short high partials
// from the first pieces, and a few late tinkles from shards landing.
struct ShatterParams {
    float duration = 1.0f;       // seconds
    float partials = 80.0f;      // partials of the main break
    float lowFreq = 2200.0f;     // Hz, range of the partials
    float highFreq = 9500.0f;
    float spread = 0.12f;        // seconds over which the main break starts
    float shortDecay = 0.02f;    // seconds, range of the partials' decay
    float longDecay = 0.15f;
    float tinkles = 14.0f;       // late shards
    float tinkleGain = 0.35f;    // their level against the main break
    float transient = 0.8f;      // level of the noise burst
    float transientDecay = 0.012f;
    float thump = 0.25f;         // level of the low knock of the impact
    float peak = 0.85f;
    float seed = 2.0f;
};

bool ReadFlameParams(const std::string& text, const std::string& fileName,
                     FlameParams& params, std::string& error);
bool ReadShatterParams(const std::string& text, const std::string& fileName,
                       ShatterParams& params, std::string& error);

std::vector<float> SynthFlame(const FlameParams& params);
std::vector<float> SynthShatter(const ShatterParams& params);

} // namespace soundgen
