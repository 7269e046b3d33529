#pragma once
#include <cstdint>
#include <string>

namespace stext {

class Font;

// Draws one run of text as textured quads with its pen at (x, y), y being
// the top of the line. Stops at a line feed; characters the font has no
// glyph for are skipped without moving the pen.
void DrawRun(Font& font, const std::string& text, uint32_t color, float x, float y);

} // namespace stext
