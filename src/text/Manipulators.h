#pragma once
#include <cstdint>

namespace stext {

// Values inserted into a TextStream to steer its layout.

// Draws what is pending, then sets the alignment: h 0 left, 1 centred,
// 2 right of the anchor; v 0 top, 1 centred, 2 bottom at the anchor.
struct Align {
    Align(uint32_t h, uint32_t v) : h(h), v(v) {}
    uint32_t h, v;
};

// Draws what is pending, then moves the anchor.
struct Pos {
    Pos(float x, float y) : x(x), y(y) {}
    float x, y;
};

// Starts a new run in colour c (0xAARRGGBB, AA the transparency); draws
// nothing.
struct Color {
    explicit Color(uint32_t c) : c(c) {}
    uint32_t c;
};

// Lays out and draws everything pending.
struct EndMarker {};
inline constexpr EndMarker End{};

} // namespace stext
