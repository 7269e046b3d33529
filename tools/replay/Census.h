#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// A draw census: every textured quad each frame of a run drew, as the
// screen saw it, so that velkamire-glprobe can draw the same quads as
// plain GL. File: the line "velkamire census 1", then per frame its number
// and quad count (two u32) and the quads, little-endian.
struct CensusQuad {
    static constexpr uint32_t NO_TEXTURE = 0xFFFFFFFF;
    uint32_t texture;  // line of textures.txt, or NO_TEXTURE
    uint8_t colour[4];  // RGBA
    float x[4], y[4];  // window pixels, after the model-view transform
    float s[4], t[4];
};

struct CensusFrame {
    uint32_t frame = 0;
    std::vector<CensusQuad> quads;
};

class CensusWriter {
public:
    ~CensusWriter();
    bool Open(const std::string& path);
    bool IsOpen() const { return file != nullptr; }
    void Write(const CensusFrame& frame);
    // Closes the file; false when any write failed.
    bool Finish();

private:
    std::FILE* file = nullptr;
    bool failed = false;
};

// Reads a whole census; false with a message for a file that is not one.
bool ReadCensus(const std::string& path, std::vector<CensusFrame>& frames, std::string& error);
