#include "resources/QuadDrawing.h"
#include <cmath>
#include "resources/GlCalls.h"
#include "shell/Assertion.h"

namespace {

// Corners from the bottom-left, counter-clockwise, with the texture
// coordinates (0, 0) to (s1, t1).
void DrawTexturedBox(float x, float y, float w, float h, float s1, float t1)
{
    float left = x - w / 2, right = x + w / 2, bottom = y - h / 2, top = y + h / 2;
    GlCalls& gl = Gl();
    gl.begin(GL_QUADS);
    gl.texCoord2f(0, 0);
    gl.vertex2f(left, bottom);
    gl.texCoord2f(s1, 0);
    gl.vertex2f(right, bottom);
    gl.texCoord2f(s1, t1);
    gl.vertex2f(right, top);
    gl.texCoord2f(0, t1);
    gl.vertex2f(left, top);
    gl.end();
}

} // namespace

void DrawQuad(float x, float y, float w, float h)
{
    DrawTexturedBox(std::trunc(x), std::trunc(y), w, h, 1, 1);
}

void DrawTiledQuad(float x, float y, float w, float h, float tile)
{
    DrawTexturedBox(x, y, w, h, w / tile, h / tile);
}

void DrawFrame(uint32_t frame, uint32_t columns, uint32_t rows, float x, float y, float w, float h)
{
    VK_ASSERT(columns >= 1 && rows >= 1, "resources");
    float u0 = float(frame % columns) / float(columns);
    float u1 = u0 + 1.0f / float(columns);
    float vTop = 1.0f - float(frame / columns) / float(rows);
    float vBottom = vTop - 1.0f / float(rows);
    float left = x - w / 2, right = x + w / 2, bottom = y - h / 2, top = y + h / 2;
    GlCalls& gl = Gl();
    gl.begin(GL_QUADS);
    gl.texCoord2f(u0, vTop);
    gl.vertex2f(left, top);
    gl.texCoord2f(u0, vBottom);
    gl.vertex2f(left, bottom);
    gl.texCoord2f(u1, vBottom);
    gl.vertex2f(right, bottom);
    gl.texCoord2f(u1, vTop);
    gl.vertex2f(right, top);
    gl.end();
}
