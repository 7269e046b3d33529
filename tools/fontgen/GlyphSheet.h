#pragma once
#include <array>
#include <string>
#include "Image.h"

// The game's bitmap font: characters 32 to 159 in a 16 x 8 grid of 16 x 16
// cells (row 0 at the top), white on black, each glyph starting at its
// cell's left edge; and the width of each character in pixels of a cell.
struct GlyphSheet {
    static constexpr int CELL = 16;
    static constexpr int COLUMNS = 16;
    static constexpr int ROWS = 8;
    static constexpr int FIRST = 32;
    static constexpr int COUNT = 128;

    Image image;
    std::array<uint8_t, COUNT> widths{};
};

// Renders the sheet from a TrueType font at the given pixel size. False,
// with a message, if the font can't be read.
bool RasteriseFont(const std::string& fontPath, int pixelSize, GlyphSheet& sheet, std::string& error);

// The bytes of font.dat: the 128 widths, one byte each.
std::string WidthTable(const GlyphSheet& sheet);
