#include "support/GlRecorder.h"

namespace {

std::vector<GlCall> calls;

void Record(const char* name, std::vector<float> args) { calls.push_back(GlCall{name, std::move(args)}); }

void Begin(GLenum mode) { Record("begin", {float(mode)}); }
void End() { Record("end", {}); }
void TexCoord2f(GLfloat s, GLfloat t) { Record("texCoord", {s, t}); }
void Vertex2f(GLfloat x, GLfloat y) { Record("vertex", {x, y}); }
void Color3f(GLfloat r, GLfloat g, GLfloat b) { Record("color", {r, g, b, 1.0f}); }
void Color4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) { Record("color", {r, g, b, a}); }
void Color4ub(GLubyte r, GLubyte g, GLubyte b, GLubyte a)
{
    Record("color", {r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f});
}
void BindTexture(GLenum target, GLuint name) { Record("bindTexture", {float(target), float(name)}); }

} // namespace

GlRecorder::GlRecorder()
{
    calls.clear();
    Gl() = GlCalls{Begin, End, TexCoord2f, Vertex2f, Color3f, Color4f, Color4ub, BindTexture};
}

GlRecorder::~GlRecorder() { Gl() = RealGl(); }

const std::vector<GlCall>& GlRecorder::Calls() const { return calls; }

std::vector<GlCall> GlRecorder::Named(const std::string& name) const
{
    std::vector<GlCall> out;
    for (const GlCall& c : calls)
        if (c.name == name) out.push_back(c);
    return out;
}

void GlRecorder::Clear() { calls.clear(); }
