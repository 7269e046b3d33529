#include "DrawCensus.h"
#include <GL/gl.h>
#include <cmath>
#include "resources/GlCalls.h"
#include "resources/TextureManager.h"

namespace {

// What the calls between one glBegin and its glEnd have set so far. The
// colour and the bound texture may have been set by direct GL calls, so
// both are read back from GL at each glBegin.
struct Recording {
    CensusFrame frame;
    float modelView[16] = {};
    uint8_t colour[4] = {};
    uint32_t texture = CensusQuad::NO_TEXTURE;
    float s = 0.0f, t = 0.0f;
    int corner = 0;
    CensusQuad quad{};
    bool quads = false;
};

Recording recording;

uint8_t ColourByte(float c) { return uint8_t(std::lround(std::fmin(std::fmax(c, 0.0f), 1.0f) * 255.0f)); }

void SetColour(float r, float g, float b, float a)
{
    recording.colour[0] = ColourByte(r);
    recording.colour[1] = ColourByte(g);
    recording.colour[2] = ColourByte(b);
    recording.colour[3] = ColourByte(a);
}

void Begin(GLenum mode)
{
    float current[4];
    glGetFloatv(GL_CURRENT_COLOR, current);
    SetColour(current[0], current[1], current[2], current[3]);
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    recording.texture = TextureManager::Instance()->IdOfGlName(GLuint(name));
    glGetFloatv(GL_MODELVIEW_MATRIX, recording.modelView);
    recording.quads = mode == GL_QUADS;
    recording.corner = 0;
    RealGl().begin(mode);
}

void End() { RealGl().end(); }

void TexCoord2f(GLfloat s, GLfloat t)
{
    recording.s = s;
    recording.t = t;
    RealGl().texCoord2f(s, t);
}

void Vertex2f(GLfloat x, GLfloat y)
{
    RealGl().vertex2f(x, y);
    if (!recording.quads) return;
    const float* m = recording.modelView;
    CensusQuad& q = recording.quad;
    int i = recording.corner;
    q.x[i] = m[0] * x + m[4] * y + m[12];
    q.y[i] = m[1] * x + m[5] * y + m[13];
    q.s[i] = recording.s;
    q.t[i] = recording.t;
    // The colour of a quad is the one its last corner carries.
    if (++recording.corner < 4) return;
    recording.corner = 0;
    q.texture = recording.texture;
    for (int c = 0; c < 4; ++c) q.colour[c] = recording.colour[c];
    recording.frame.quads.push_back(q);
}

void Color3f(GLfloat r, GLfloat g, GLfloat b)
{
    SetColour(r, g, b, 1.0f);
    RealGl().color3f(r, g, b);
}

void Color4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a)
{
    SetColour(r, g, b, a);
    RealGl().color4f(r, g, b, a);
}

void Color4ub(GLubyte r, GLubyte g, GLubyte b, GLubyte a)
{
    recording.colour[0] = r;
    recording.colour[1] = g;
    recording.colour[2] = b;
    recording.colour[3] = a;
    RealGl().color4ub(r, g, b, a);
}

} // namespace

DrawCensus::~DrawCensus() { Finish(); }

bool DrawCensus::Open(const std::string& path)
{
    if (!writer.Open(path)) return false;
    GlCalls& gl = Gl();
    gl.begin = Begin;
    gl.end = End;
    gl.texCoord2f = TexCoord2f;
    gl.vertex2f = Vertex2f;
    gl.color3f = Color3f;
    gl.color4f = Color4f;
    gl.color4ub = Color4ub;
    recording = Recording{};
    installed = true;
    return true;
}

void DrawCensus::FrameDrawn(uint32_t frame)
{
    recording.frame.frame = frame;
    writer.Write(recording.frame);
    recording.frame.quads.clear();
}

bool DrawCensus::Finish()
{
    if (installed) Gl() = RealGl();
    installed = false;
    return writer.Finish();
}
