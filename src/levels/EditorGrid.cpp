#include "levels/EditorGrid.h"

GridPoint SnapToGrid(int32_t x, int32_t y)
{
    // Integer division truncates toward zero, as the editor always has.
    return GridPoint{32 * ((x + 16) / 32), 32 * ((y - 12) / 32) + 28};
}
