#include "Effects.h"
#include "ParamFile.h"

namespace soundgen {

bool ReadFlameParams(const std::string& text, const std::string& fileName,
                     FlameParams& p, std::string& error)
{
    const float nyquistSafe = EFFECT_RATE / 6.0f;
    return ReadParams(text, fileName, {
        {"duration", &p.duration, 0.1f, 5.0f},
        {"attack", &p.attack, 0.001f, 2.0f},
        {"decay", &p.decay, 0.01f, 10.0f},
        {"sweep_start", &p.sweepStart, 20.0f, nyquistSafe},
        {"sweep_peak", &p.sweepPeak, 20.0f, nyquistSafe},
        {"sweep_end", &p.sweepEnd, 20.0f, nyquistSafe},
        {"peak_time", &p.peakTime, 0.001f, 5.0f},
        {"resonance", &p.resonance, 0.3f, 20.0f},
        {"roar", &p.roar, 0.0f, 4.0f},
        {"hiss", &p.hiss, 0.0f, 4.0f},
        {"crackle_rate", &p.crackleRate, 0.0f, 500.0f},
        {"crackle_gain", &p.crackleGain, 0.0f, 4.0f},
        {"peak", &p.peak, 0.01f, 1.0f},
        {"seed", &p.seed, 0.0f, 1e6f},
    }, error);
}

bool ReadShatterParams(const std::string& text, const std::string& fileName,
                       ShatterParams& p, std::string& error)
{
    const float nyquist = EFFECT_RATE / 2.0f;
    if (!ReadParams(text, fileName, {
        {"duration", &p.duration, 0.1f, 5.0f},
        {"partials", &p.partials, 1.0f, 400.0f},
        {"low_freq", &p.lowFreq, 20.0f, nyquist},
        {"high_freq", &p.highFreq, 20.0f, nyquist},
        {"spread", &p.spread, 0.0f, 5.0f},
        {"short_decay", &p.shortDecay, 0.001f, 5.0f},
        {"long_decay", &p.longDecay, 0.001f, 5.0f},
        {"tinkles", &p.tinkles, 0.0f, 100.0f},
        {"tinkle_gain", &p.tinkleGain, 0.0f, 4.0f},
        {"transient", &p.transient, 0.0f, 4.0f},
        {"transient_decay", &p.transientDecay, 0.001f, 1.0f},
        {"thump", &p.thump, 0.0f, 4.0f},
        {"peak", &p.peak, 0.01f, 1.0f},
        {"seed", &p.seed, 0.0f, 1e6f},
    }, error))
        return false;
    if (p.lowFreq > p.highFreq || p.shortDecay > p.longDecay) {
        error = fileName + ": low_freq and short_decay must not exceed high_freq and long_decay";
        return false;
    }
    return true;
}

} // namespace soundgen
