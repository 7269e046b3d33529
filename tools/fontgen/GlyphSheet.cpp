#include "GlyphSheet.h"
#include <algorithm>
#include <ft2build.h>
#include FT_FREETYPE_H
#include "Cp1252.h"

namespace {

// Width given to characters with no glyph (controls, unassigned codes).
const uint8_t BLANK_WIDTH = 4;

class FreeTypeFace {
public:
    ~FreeTypeFace()
    {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
    bool Open(const std::string& path, int pixelSize)
    {
        return FT_Init_FreeType(&library) == 0 && FT_New_Face(library, path.c_str(), 0, &face) == 0 &&
               FT_Set_Pixel_Sizes(face, 0, pixelSize) == 0;
    }
    FT_Face Face() const { return face; }

private:
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

// Copies the rendered glyph into its cell: shifted right if it would start
// left of the cell, clipped to the cell, baseline `baseline` rows from the
// cell's top. Returns the character's width: its advance, widened so that
// no drawn pixel lies beyond it, at most one cell.
uint8_t PlaceGlyph(const FT_GlyphSlot slot, int baseline, int cellX, int cellY, Image& image)
{
    const FT_Bitmap& bm = slot->bitmap;
    int shift = std::max(0, -slot->bitmap_left);
    int left = slot->bitmap_left + shift;
    int top = baseline - slot->bitmap_top;
    int rightmost = 0;
    for (unsigned row = 0; row < bm.rows; ++row) {
        for (unsigned col = 0; col < bm.width; ++col) {
            uint8_t v = bm.buffer[row * bm.pitch + col];
            int x = left + static_cast<int>(col);
            int y = top + static_cast<int>(row);
            if (v == 0 || x >= GlyphSheet::CELL || y < 0 || y >= GlyphSheet::CELL) continue;
            image.At(cellX + x, cellY + y) = Rgba{v, v, v, 255};
            rightmost = std::max(rightmost, x + 1);
        }
    }
    int advance = static_cast<int>((slot->advance.x + 32) >> 6) + shift;
    return static_cast<uint8_t>(std::min(GlyphSheet::CELL, std::max(advance, rightmost)));
}

} // namespace

bool RasteriseFont(const std::string& fontPath, int pixelSize, GlyphSheet& sheet, std::string& error)
{
    FreeTypeFace font;
    if (!font.Open(fontPath, pixelSize)) {
        error = "could not read the font " + fontPath;
        return false;
    }
    FT_Face face = font.Face();
    // The baseline sits as low as the font's descent allows.
    int descent = static_cast<int>((-face->size->metrics.descender + 63) >> 6);
    int baseline = GlyphSheet::CELL - std::max(1, descent);
    sheet.image = Image(GlyphSheet::CELL * GlyphSheet::COLUMNS, GlyphSheet::CELL * GlyphSheet::ROWS, Rgba{0, 0, 0, 255});
    for (int i = 0; i < GlyphSheet::COUNT; ++i) {
        uint32_t unicode = Cp1252ToUnicode(static_cast<uint8_t>(GlyphSheet::FIRST + i));
        sheet.widths[i] = BLANK_WIDTH;
        if (unicode < 32 || unicode == 127 || FT_Get_Char_Index(face, unicode) == 0) continue;
        if (FT_Load_Char(face, unicode, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) continue;
        int cellX = (i % GlyphSheet::COLUMNS) * GlyphSheet::CELL;
        int cellY = (i / GlyphSheet::COLUMNS) * GlyphSheet::CELL;
        sheet.widths[i] = PlaceGlyph(face->glyph, baseline, cellX, cellY, sheet.image);
    }
    return true;
}

std::string WidthTable(const GlyphSheet& sheet)
{
    return std::string(sheet.widths.begin(), sheet.widths.end());
}
