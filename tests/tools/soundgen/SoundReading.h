#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "resources/WholeFile.h"

// Interleaved 16-bit samples as the game gets them from libvorbisfile.
struct DecodedOgg {
    bool ok = false;
    int channels = 0;
    long rate = 0;
    std::vector<int16_t> samples;

    size_t Frames() const { return channels ? samples.size() / channels : 0; }
    std::vector<int16_t> Channel(int c) const;
};

DecodedOgg DecodeOgg(const std::string& bytes);

// How rough a signal is at a join: the largest second difference across
// the step from `before` to `after`. A click is a spike here; smooth
// music continues its own slope.
int SeamRoughness(const std::vector<int16_t>& before, const std::vector<int16_t>& after);

// The given fraction (e.g. 0.99) of |second differences| inside the signal
// lie at or below the returned value.
int RoughnessPercentile(const std::vector<int16_t>& x, double fraction);
