#pragma once
#include <cstdint>
#include <sstream>
#include <string>

namespace stext {

// One run of text in one colour. A run that ends with a line feed closes a
// visual line; otherwise the next run continues it. Colours are 0xAARRGGBB
// with AA the transparency (0 is opaque).
struct sLine {
    std::ostringstream text{std::ios::out | std::ios::ate};
    uint32_t color = 0;

    sLine() = default;
    sLine(const std::string& s, uint32_t color);
    sLine(const sLine& other);
    sLine& operator=(const sLine& other);

    std::string Text() const { return text.str(); }
    // Replaces the text; later insertions append after it.
    void SetText(const std::string& s) { text.str(s); }
    bool IsEmpty() const;
    bool EndsLine() const;
};

} // namespace stext
