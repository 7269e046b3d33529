#pragma once
#include <algorithm>
#include "Image.h"

// Colour arithmetic for the painted textures.
inline uint8_t ToByte(float v) { return static_cast<uint8_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f); }

inline Rgba Mix(Rgba a, Rgba b, float t)
{
    auto m = [t](uint8_t x, uint8_t y) { return ToByte(x + (y - x) * t); };
    return Rgba{m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

inline Rgba Scale(Rgba c, float f) { return Rgba{ToByte(c.r * f), ToByte(c.g * f), ToByte(c.b * f), c.a}; }
