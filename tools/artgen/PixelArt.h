#pragma once
#include <string>
#include "Image.h"

// The outcome of reading a pixel-art source: the image, or the first error
// as "source:line: message".
struct PixelArtResult {
    bool ok = false;
    Image image;
    std::string error;
};

// Reads the palette-indexed pixel-art text format of assets/art (described
// in its README): a sheet size, a palette of characters, then frames given
// as rows of palette characters, optionally copied from other frames and
// patched.
PixelArtResult ParsePixelArt(const std::string& text, const std::string& sourceName);
