#include "objects/TileFill.h"
#include <algorithm>
#include <cmath>

namespace {
constexpr float TILE = 32.0f;
// A cell this close to the selected tile is the tile itself.
constexpr float SAME_CELL = 1.0f;
}

void FillTiles(float tileX, float tileY, float clickX, float clickY,
               const std::function<void(float, float)>& place)
{
    float left = std::min(clickX, tileX);
    float bottom = std::min(clickY, tileY);
    float right = left + std::fabs(clickX - tileX);
    float top = bottom + std::fabs(clickY - tileY);
    for (float row = bottom; top - row >= 0.0f; row += TILE)
        for (float col = left; right - col >= 0.0f; col += TILE)
            if (std::hypot(col - tileX, row - tileY) > SAME_CELL) place(col, row);
}
