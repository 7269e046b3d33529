#pragma once
#include <cstdint>

namespace levelc {

// The editor's grid over the 800 x 600 screen: tile centres at x = 32 * column
// (column 0 and 25 hang half off the screen) and y = 32 * row + 28, row 0 at
// the bottom under the editor's palette. Map rows are written top row first.
constexpr int GRID_COLUMNS = 26;
constexpr int GRID_ROWS = 18;

uint32_t CellXBits(int column);
uint32_t CellYBits(int row);

// The cell whose centre has exactly these coordinate bits (so -0 is off the
// grid): its index in map order, top row first, or -1.
int CellAt(uint32_t xBits, uint32_t yBits);

// Map order index of a cell.
inline int CellIndex(int column, int row) { return (GRID_ROWS - 1 - row) * GRID_COLUMNS + column; }

}  // namespace levelc
