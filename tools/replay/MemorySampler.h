#pragma once
#include <cstdint>
#include <fstream>
#include <string>

// Writes the process's resident memory every EVERY frames, one line of
// "frame kilobytes" each, so that a long run shows whether memory grows.
class MemorySampler {
public:
    static constexpr uint32_t EVERY = 100;

    bool Open(const std::string& path);
    void FrameDrawn(uint32_t frame);

private:
    std::ofstream out;
};

// The resident set size of this process in kilobytes, 0 when unknown.
uint64_t ResidentKilobytes();
