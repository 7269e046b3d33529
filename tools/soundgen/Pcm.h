#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace soundgen {

// The largest magnitude among the samples.
float Peak(const std::vector<float>& samples);
void Scale(std::vector<float>& samples, float factor);

// Scales the samples so that the loudest one has the given magnitude.
// Silence stays silence.
void NormalisePeak(std::vector<float>& samples, float peak);

// Fades the last `count` samples linearly down to an exact zero, so the
// sound ends without a click.
void FadeOutTail(std::vector<float>& samples, size_t count);

// Converts [-1, 1] floats to 16-bit samples, clamping anything outside
// rather than letting it wrap round to the opposite sign.
std::vector<int16_t> ToPcm16(const std::vector<float>& samples);

} // namespace soundgen
