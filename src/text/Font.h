#pragma once
#include <cstdint>
#include "resources/TextureHandle.h"

namespace stext {

// Stand-in until the bitmap font lands: glyph widths only.
class Font {
public:
    Font(uint32_t textureId, float size) : texture(textureId), size(size) {}
    bool Load(const char* name);
    float GetSize() const { return size; }

private:
    TextureHandle texture;
    float size;
    uint8_t widths[128] = {};
};

} // namespace stext
