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
// grid): its index in the compiler's cell order, or -1.
int CellAt(uint32_t xBits, uint32_t yBits);

// The compiler takes cells bottom row first, left to right in each row: the
// order in which the editor's fill makes tiles, so filled areas keep a map
// when a level saved by the editor is decompiled.
inline int CellIndex(int column, int row) { return row * GRID_COLUMNS + column; }

}  // namespace levelc
