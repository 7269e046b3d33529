#include "resources/ScopedTransform.h"
#include <GL/gl.h>

ScopedTransform::ScopedTransform(float cx, float cy, float degrees, float sx, float sy)
{
    glPushMatrix();
    glTranslatef(cx, cy, 0.0f);
    if (degrees != 0.0f) glRotatef(degrees, 0.0f, 0.0f, 1.0f);
    if (sx != 1.0f || sy != 1.0f) glScalef(sx, sy, 1.0f);
    glTranslatef(-cx, -cy, 0.0f);
}

ScopedTransform::~ScopedTransform() { glPopMatrix(); }
