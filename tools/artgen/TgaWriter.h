#pragma once
#include <string>
#include "Image.h"

// The two TGA kinds the game reads: type 2 (uncompressed) and type 10
// (run-length encoded), both true-colour.
enum class TgaEncoding { Raw, Rle };

// The bytes of a TGA file holding the image at 24 or 32 bits per pixel.
// Rows are stored bottom row first, as TGA readers expect, so the image's
// top row is the last one in the file. 24-bit files drop the alpha.
std::string EncodeTga(const Image& image, TgaEncoding encoding, int bitsPerPixel);

// Writes bytes to a file, creating its folder; false if it can't.
bool WriteBinaryFile(const std::string& path, const std::string& bytes);
