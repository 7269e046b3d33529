#include "resources/QuadDrawing.h"
#include <cmath>
#include <initializer_list>
#include "resources/GlCalls.h"
#include "shell/Assertion.h"

namespace {

struct Corner {
    float s, t, x, y;
};

// One GL_QUADS quad, each vertex preceded by its texture coordinate.
void DrawCorners(std::initializer_list<Corner> corners)
{
    GlCalls& gl = Gl();
    gl.begin(GL_QUADS);
    for (const Corner& c : corners) {
        gl.texCoord2f(c.s, c.t);
        gl.vertex2f(c.x, c.y);
    }
    gl.end();
}

// Corners from the bottom-left, counter-clockwise, with the texture
// coordinates (0, 0) to (s1, t1).
void DrawTexturedBox(float x, float y, float w, float h, float s1, float t1)
{
    float left = x - w / 2, right = x + w / 2, bottom = y - h / 2, top = y + h / 2;
    DrawCorners({{0, 0, left, bottom}, {s1, 0, right, bottom}, {s1, t1, right, top}, {0, t1, left, top}});
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
    // From the top-left corner, counter-clockwise.
    DrawCorners({{u0, vTop, left, top}, {u0, vBottom, left, bottom}, {u1, vBottom, right, bottom},
                 {u1, vTop, right, top}});
}
