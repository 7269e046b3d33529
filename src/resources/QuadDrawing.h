#pragma once
#include <cstdint>

// Textured rectangles centred on (x, y), drawn with the bound texture and
// the current colour.
void DrawQuad(float x, float y, float w, float h);
void DrawTiledQuad(float x, float y, float w, float h, float tile);
void DrawFrame(uint32_t frame, uint32_t columns, uint32_t rows, float x, float y, float w, float h);
