#include "IconPicture.h"
#include "PixelArt.h"
#include "resources/WholeFile.h"

namespace {
const char* const PLAYER_ART = "player.pix";
// Frame 0 is the sheet's top-left cell.
constexpr int CELL = 32;
}

bool MakeIconPicture(const std::string& artDir, Image& picture, std::string& error)
{
    std::string path = artDir + "/" + PLAYER_ART;
    std::string text;
    if (!ReadWholeFile(path, text)) {
        error = "cannot read " + path;
        return false;
    }
    PixelArtResult art = ParsePixelArt(text, path);
    if (!art.ok) {
        error = art.error;
        return false;
    }
    picture = Image(CELL, CELL);
    picture.CopyBlock(art.image, 0, 0, CELL, CELL, 0, 0);
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x)
            if (picture.At(x, y) == KEY_COLOUR) picture.At(x, y) = Rgba{0, 0, 0, 0};
    return true;
}
