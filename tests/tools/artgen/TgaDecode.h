#pragma once
#include <string>
#include <vector>
#include "Image.h"
#include "resources/WholeFile.h"

// Reads a TGA the way the game's loader does (types 2 and 10, 24 or 32
// bits, rows in file order, run packets never past the last pixel), and
// returns the picture top row first, assuming the usual bottom-up storage.
struct DecodedTga {
    bool ok = false;
    std::string error;
    int type = 0;
    int bits = 0;
    Image image;
    std::vector<int> packets;  // RLE only: +n raw packet of n, -n run of n
};

DecodedTga DecodeTga(const std::string& bytes);
