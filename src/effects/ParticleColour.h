#pragma once
#include <cstdint>

// A particle colour as floats, each channel 0..1.
struct ParticleColour {
    float r;
    float g;
    float b;
    float a;
};

// Turns 0xAARRGGBB into floats by dividing each byte by 256, so 0xFF gives
// 255/256 rather than 1.
ParticleColour UnpackColour(uint32_t colour);
// The same division for a colour given as bytes.
ParticleColour ColourFromBytes(uint32_t r, uint32_t g, uint32_t b, uint32_t a);
