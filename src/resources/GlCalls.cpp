#include "resources/GlCalls.h"

namespace {

void Begin(GLenum mode) { glBegin(mode); }
void End() { glEnd(); }
void TexCoord2f(GLfloat s, GLfloat t) { glTexCoord2f(s, t); }
void Vertex2f(GLfloat x, GLfloat y) { glVertex2f(x, y); }
void Color3f(GLfloat r, GLfloat g, GLfloat b) { glColor3f(r, g, b); }
void Color4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) { glColor4f(r, g, b, a); }
void Color4ub(GLubyte r, GLubyte g, GLubyte b, GLubyte a) { glColor4ub(r, g, b, a); }
void BindTexture(GLenum target, GLuint name) { glBindTexture(target, name); }

const GlCalls real{Begin, End, TexCoord2f, Vertex2f, Color3f, Color4f, Color4ub, BindTexture};
GlCalls current = real;

} // namespace

GlCalls& Gl() { return current; }
const GlCalls& RealGl() { return real; }
