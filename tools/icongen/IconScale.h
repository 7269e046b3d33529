#pragma once
#include "Image.h"

// The square picture at size x size pixels. Each new pixel is the average
// of the area of the picture it covers, weighted by alpha, so whole-number
// enlargements keep the pixel art's hard edges and reductions stay faithful.
Image ScaleIcon(const Image& picture, int size);
