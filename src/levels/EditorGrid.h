#pragma once
#include <cstdint>

// The editor's grid: tile centres at x = 32k and y = 32k + 28, so that a
// click lands on the tile whose box holds it.
struct GridPoint {
    int32_t x;
    int32_t y;
};

GridPoint SnapToGrid(int32_t x, int32_t y);

// Clicks at or below this height fall in the palette strip and select.
constexpr int32_t PALETTE_TOP = 64;
