#pragma once
#include <cstdint>
#include <string>

// Builds TGA files in memory for the loader's tests.

// The 18 header bytes: no image ID, no colour map, origin 0,0.
std::string TgaHeader(uint8_t type, uint16_t width, uint16_t height, uint8_t bits, uint8_t descriptor = 0);
// One pixel given as 0xRRGGBBAA, stored as the file keeps it: blue, green,
// red, and alpha for 32 bits.
std::string TgaPixel(uint32_t rgba, uint8_t bits);
// The same pixel as the loader hands it to OpenGL: red, green, blue (, alpha).
std::string DecodedPixel(uint32_t rgba, uint8_t bits);
