#include "resources/GlCalls.h"

namespace {

// The colour last set, replayed inside each glBegin. Mesa's software
// rasteriser fills a primitive whose colour comes with its vertices
// measurably faster than one whose colour is a current value set outside
// glBegin; replaying the same call with the same arguments leaves every
// pixel as it was.
struct LastColour {
    enum Kind { NONE, RGB_F, RGBA_F, RGBA_UB } kind = NONE;
    GLfloat f[4] = {};
    GLubyte ub[4] = {};
};

LastColour lastColour;

void Begin(GLenum mode)
{
    glBegin(mode);
    const LastColour& c = lastColour;
    switch (c.kind) {
    case LastColour::NONE: break;
    case LastColour::RGB_F: glColor3f(c.f[0], c.f[1], c.f[2]); break;
    case LastColour::RGBA_F: glColor4f(c.f[0], c.f[1], c.f[2], c.f[3]); break;
    case LastColour::RGBA_UB: glColor4ub(c.ub[0], c.ub[1], c.ub[2], c.ub[3]); break;
    }
}

void End() { glEnd(); }
void TexCoord2f(GLfloat s, GLfloat t) { glTexCoord2f(s, t); }
void Vertex2f(GLfloat x, GLfloat y) { glVertex2f(x, y); }

void Color3f(GLfloat r, GLfloat g, GLfloat b)
{
    lastColour.kind = LastColour::RGB_F;
    lastColour.f[0] = r, lastColour.f[1] = g, lastColour.f[2] = b;
    glColor3f(r, g, b);
}

void Color4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a)
{
    lastColour.kind = LastColour::RGBA_F;
    lastColour.f[0] = r, lastColour.f[1] = g, lastColour.f[2] = b, lastColour.f[3] = a;
    glColor4f(r, g, b, a);
}

void Color4ub(GLubyte r, GLubyte g, GLubyte b, GLubyte a)
{
    lastColour.kind = LastColour::RGBA_UB;
    lastColour.ub[0] = r, lastColour.ub[1] = g, lastColour.ub[2] = b, lastColour.ub[3] = a;
    glColor4ub(r, g, b, a);
}

void BindTexture(GLenum target, GLuint name) { glBindTexture(target, name); }

const GlCalls real{Begin, End, TexCoord2f, Vertex2f, Color3f, Color4f, Color4ub, BindTexture};
GlCalls current = real;

} // namespace

GlCalls& Gl() { return current; }
const GlCalls& RealGl() { return real; }
