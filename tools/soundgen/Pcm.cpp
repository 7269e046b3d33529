#include "Pcm.h"
#include <algorithm>
#include <cmath>

namespace soundgen {

float Peak(const std::vector<float>& samples)
{
    float loudest = 0.0f;
    for (float s : samples) loudest = std::max(loudest, std::fabs(s));
    return loudest;
}

void Scale(std::vector<float>& samples, float factor)
{
    for (float& s : samples) s *= factor;
}

void NormalisePeak(std::vector<float>& samples, float peak)
{
    float loudest = Peak(samples);
    if (loudest > 0.0f) Scale(samples, peak / loudest);
}

void FadeOutTail(std::vector<float>& samples, size_t count)
{
    count = std::min(count, samples.size());
    size_t first = samples.size() - count;
    for (size_t i = first; i < samples.size(); ++i)
        samples[i] *= static_cast<float>(samples.size() - 1 - i) / static_cast<float>(count);
}

std::vector<int16_t> ToPcm16(const std::vector<float>& samples)
{
    std::vector<int16_t> pcm(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        float s = std::clamp(samples[i], -1.0f, 1.0f);
        pcm[i] = static_cast<int16_t>(std::lround(s * 32767.0f));
    }
    return pcm;
}

} // namespace soundgen
