#pragma once
#include <cstdint>

// Textured rectangles centred on (x, y), w and h their full size, drawn
// with the bound texture and the current colour. Texture t = 0 is the
// first row of the image file, drawn at the bottom.

// The whole texture once; the centre is first truncated toward zero to
// whole units so that sprites sit on pixel boundaries.
void DrawQuad(float x, float y, float w, float h);
// The texture repeated every `tile` units from the lower-left corner (the
// texture needs the repeat option to tile).
void DrawTiledQuad(float x, float y, float w, float h, float tile);
// One cell of a sprite sheet of columns x rows equal cells (both at least
// 1); frame 0 is the top-left cell, counting along rows, then downwards.
void DrawFrame(uint32_t frame, uint32_t columns, uint32_t rows, float x, float y, float w, float h);
