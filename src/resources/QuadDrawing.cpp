#include "resources/QuadDrawing.h"
#include <GL/gl.h>

// Stand-in: a plain untextured rectangle until the quad routines land.
void DrawQuad(float x, float y, float w, float h)
{
    glBegin(GL_QUADS);
    glVertex2f(x - w / 2, y - h / 2);
    glVertex2f(x + w / 2, y - h / 2);
    glVertex2f(x + w / 2, y + h / 2);
    glVertex2f(x - w / 2, y + h / 2);
    glEnd();
}

void DrawTiledQuad(float x, float y, float w, float h, float) { DrawQuad(x, y, w, h); }

void DrawFrame(uint32_t, uint32_t, uint32_t, float x, float y, float w, float h) { DrawQuad(x, y, w, h); }
