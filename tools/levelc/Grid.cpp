#include "Grid.h"
#include "LevelRecord.h"

namespace levelc {

uint32_t CellXBits(int column) { return FloatBits(32.0f * column); }

uint32_t CellYBits(int row) { return FloatBits(32.0f * row + 28.0f); }

int CellAt(uint32_t xBits, uint32_t yBits)
{
    for (int row = 0; row < GRID_ROWS; ++row) {
        if (CellYBits(row) != yBits)
            continue;
        for (int column = 0; column < GRID_COLUMNS; ++column)
            if (CellXBits(column) == xBits)
                return CellIndex(column, row);
    }
    return -1;
}

}  // namespace levelc
