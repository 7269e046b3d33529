#pragma once
#include <GL/gl.h>

// The immediate-mode calls the drawing routines make, reached through one
// table so that tests can record them instead of drawing.
struct GlCalls {
    void (*begin)(GLenum mode);
    void (*end)();
    void (*texCoord2f)(GLfloat s, GLfloat t);
    void (*vertex2f)(GLfloat x, GLfloat y);
    void (*color3f)(GLfloat r, GLfloat g, GLfloat b);
    void (*color4f)(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
    void (*color4ub)(GLubyte r, GLubyte g, GLubyte b, GLubyte a);
    void (*bindTexture)(GLenum target, GLuint name);
};

// The table in use; it calls OpenGL until a test replaces its entries.
// Colours go through it, never straight to glColor: the real table gives
// the last colour again inside each glBegin.
GlCalls& Gl();
// The table that calls OpenGL.
const GlCalls& RealGl();
