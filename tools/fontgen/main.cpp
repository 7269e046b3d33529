#include <iostream>
#include "GlyphSheet.h"
#include "TgaWriter.h"

// fontgen <font.ttf> <glyph image .tga> <width table font.dat>: renders the
// game's bitmap font and its width table.
int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: fontgen <font.ttf> <out.tga> <out font.dat>\n";
        return 2;
    }
    const int pixelSize = 13;
    GlyphSheet sheet;
    std::string error;
    if (!RasteriseFont(argv[1], pixelSize, sheet, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    if (!WriteBinaryFile(argv[2], EncodeTga(sheet.image, TgaEncoding::Raw, 24)) ||
        !WriteBinaryFile(argv[3], WidthTable(sheet))) {
        std::cerr << "could not write the font files\n";
        return 1;
    }
    return 0;
}
