#pragma once
#include <cstdint>
#include <string>
#include "resources/TextureHandle.h"

namespace stext {

// The bitmap font: a 16 by 8 grid of glyph cells in one texture (code 32 at
// the top left) and a table of glyph widths. A raw width of 16 fills a cell
// and is drawn size units wide.
class Font {
public:
    static constexpr uint32_t FIRST_CHAR = 32;
    static constexpr uint32_t LAST_CHAR = 159;
    static constexpr uint32_t NUM_CHARS = LAST_CHAR - FIRST_CHAR + 1;

    Font(uint32_t textureId, float size) : texture(textureId), size(size) {}

    // Reads the width table from a data name (a path or "*name.type"). The
    // first 128 bytes count and the rest is ignored; a shorter source fails
    // and leaves the table as it was.
    bool Load(const std::string& name);

    // On-screen width of a character; 0 for codes outside 32..159.
    float GetCharWidth(uint8_t c) const;
    float GetSize() const { return size; }
    void BindTexture() { texture.Bind(); }

private:
    TextureHandle texture;
    float size;
    uint8_t widths[NUM_CHARS] = {};
};

} // namespace stext
