// The glyph-width table of the font, and the text measuring built on it.
#include <cmath>
#include <cstdlib>
#include "FuzzSupport.h"
#include "resources/ResourceManager.h"
#include "text/Font.h"
#include "text/TextStream.h"

namespace {

// Loads the widths and measures every character, and the input itself as
// the prompt measures what is typed into it.
void Measure(const std::string& path, const std::string& text)
{
    stext::Font font(2, 16.0f);
    if (font.Load(path) != (text.size() >= stext::Font::NUM_CHARS)) std::abort();
    stext::TextStream stream(&font);
    std::string all;
    for (int c = 0; c < 256; ++c) {
        float w = font.GetCharWidth(static_cast<uint8_t>(c));
        if (!std::isfinite(w) || w < 0.0f) std::abort();
        if (c != '\n') all += static_cast<char>(c);
    }
    if (!(stream.GetTextWidth(all) >= 0.0f) || !(stream.GetTextWidth(text) >= 0.0f)) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = WriteFuzzFile("font.dat", data, size);
    Measure(path, std::string(reinterpret_cast<const char*>(data), size));
    // The font's texture, as the game releases it at exit.
    ResourceManager::Instance()->ReleaseAll(0);
    return 0;
}
