#pragma once
#include <cstdint>
#include <sstream>
#include <string>

namespace stext {

class Font;

// Stand-in until the text stream lands: collects text, draws nothing.
class TextStream {
public:
    explicit TextStream(Font* font) : font(font) {}
    TextStream& operator<<(const std::string& s) { pending << s; return *this; }
    TextStream& operator<<(const char* s) { pending << s; return *this; }
    TextStream& operator<<(uint32_t v) { pending << v; return *this; }
    void Align(uint32_t, uint32_t) {}
    void Pos(float, float) {}
    void Color(uint32_t) {}
    void End() { pending.str(""); }

private:
    Font* font;
    std::ostringstream pending;
};

struct Align { Align(uint32_t h, uint32_t v) : h(h), v(v) {} uint32_t h, v; };
struct Pos { Pos(float x, float y) : x(x), y(y) {} float x, y; };
struct Color { explicit Color(uint32_t c) : c(c) {} uint32_t c; };
struct EndTag {};
inline constexpr EndTag End{};

inline TextStream& operator<<(TextStream& s, Align a) { s.Align(a.h, a.v); return s; }
inline TextStream& operator<<(TextStream& s, Pos p) { s.Pos(p.x, p.y); return s; }
inline TextStream& operator<<(TextStream& s, Color c) { s.Color(c.c); return s; }
inline TextStream& operator<<(TextStream& s, EndTag) { s.End(); return s; }

} // namespace stext
