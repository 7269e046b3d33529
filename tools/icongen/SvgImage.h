#pragma once
#include <string>
#include "Image.h"

// The image as an SVG document of one square per pixel (runs of one colour
// along a row share a rectangle), so that the pixel art scales to any size
// with hard edges. Transparent pixels are left out.
std::string EncodeSvg(const Image& image);
