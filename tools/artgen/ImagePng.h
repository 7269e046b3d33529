#pragma once
#include <string>
#include "Image.h"

// Writes the image as a PNG file, top row first: RGB when every pixel is
// opaque, RGBA otherwise. False when the file cannot be written.
bool WritePng(const std::string& path, const Image& image);
