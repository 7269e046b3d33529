#pragma once
#include <cstdint>
#include <fstream>
#include <string>

// Writes the process's memory every EVERY frames, one line of
// "frame resident-kilobytes heap-kilobytes" each, so that a long run shows
// whether memory grows, and whether the growth is in blocks the program
// still holds (the heap) or only in pages the process keeps (resident).
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

// Kilobytes the C library's allocator has handed out and not had back, in
// every thread's arena and in blocks of their own mapping.
uint64_t HeapKilobytes();
