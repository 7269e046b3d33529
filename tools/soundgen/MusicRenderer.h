#pragma once
#include <vector>
#include "Score.h"

namespace soundgen {

struct StereoBuffer {
    std::vector<float> left;
    std::vector<float> right;

    explicit StereoBuffer(size_t frames = 0) : left(frames), right(frames) {}
    size_t Frames() const { return left.size(); }
};

// The loudest sample of the finished music, with headroom for the lossy
// encoder's small overshoots.
constexpr float MUSIC_PEAK = 0.8f;

// Renders the score as one turn of a loop exactly LengthSeconds long.
// Everything that sounds past the end (note tails, echoes) wraps round and
// is mixed over the beginning, so playing the buffer again and again is
// seamless. `seed` drives the plucked strings' noise.
StereoBuffer RenderScore(const Score& score, int rate, unsigned seed);

} // namespace soundgen
