#include "text/RunDrawing.h"
#include "resources/GlCalls.h"
#include "text/Font.h"

namespace stext {

namespace {

constexpr float CELL_U = 1.0f / 16.0f;  // glyph cells per texture row: 16
constexpr float CELL_V = 1.0f / 8.0f;   // rows of cells: 8

// The top byte of a colour is transparency, so alpha is its complement.
void SetColor(uint32_t color)
{
    Gl().color4ub(uint8_t(color >> 16), uint8_t(color >> 8), uint8_t(color), uint8_t(255 - (color >> 24)));
}

void DrawGlyph(const Font& font, uint8_t ch, float x, float y, float w)
{
    const float size = font.GetSize();
    const uint32_t cell = ch - Font::FIRST_CHAR;
    const float u = (cell % 16) * CELL_U;
    const float vTop = 1.0f - (cell / 16) * CELL_V;
    const float du = w / size * CELL_U;
    Gl().texCoord2f(u, vTop - CELL_V);
    Gl().vertex2f(x, y - size);
    Gl().texCoord2f(u + du, vTop - CELL_V);
    Gl().vertex2f(x + w, y - size);
    Gl().texCoord2f(u + du, vTop);
    Gl().vertex2f(x + w, y);
    Gl().texCoord2f(u, vTop);
    Gl().vertex2f(x, y);
}

bool HasGlyph(uint8_t ch) { return ch >= Font::FIRST_CHAR && ch <= Font::LAST_CHAR; }

} // namespace

void DrawRun(Font& font, const std::string& text, uint32_t color, float x, float y)
{
    if (text == "\n") return;
    font.BindTexture();
    SetColor(color);
    Gl().begin(GL_QUADS);
    for (char c : text) {
        const uint8_t ch = static_cast<uint8_t>(c);
        if (ch == '\n') break;
        if (!HasGlyph(ch)) continue;
        const float w = font.GetCharWidth(ch);
        DrawGlyph(font, ch, x, y, w);
        x += w;
    }
    Gl().end();
}

} // namespace stext
