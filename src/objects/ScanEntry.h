#pragma once
#include <cstdint>

// What the object manager's collision grid keeps on each object: its place
// in the object list and where in the grid it is filed.
struct ScanEntry {
    // Rises along the object list: the list's order as a number.
    uint64_t order = 0;
    // Filed in the grid (in cells or among the objects filed everywhere);
    // a new object is not until the next step begins.
    bool filed = false;
    bool everywhere = false;
    int32_t column0 = 0, row0 = 0, column1 = 0, row1 = 0;
    // The box it was filed with.
    float x = 0, y = 0, width = 0, height = 0;
    // The last query that listed it.
    uint64_t stamp = 0;
};
