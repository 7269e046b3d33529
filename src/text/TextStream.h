#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "text/Manipulators.h"
#include "text/sLine.h"

namespace stext {

class Font;

// The program's text output. Values are collected into coloured runs; End
// (or a change of Pos or Align) lays the runs out as lines at the anchor
// and draws them with the font.
class TextStream {
public:
    explicit TextStream(Font* font) : font(font) {}

    TextStream& operator<<(const Align& a);
    TextStream& operator<<(const Pos& p);
    TextStream& operator<<(const Color& c);
    TextStream& operator<<(EndMarker);
    TextStream& operator<<(const char* s) { return s ? Append(s) : *this; }
    TextStream& operator<<(const std::string& s) { return Append(s); }

    // Any other value is written with the standard formatting.
    template <typename T>
    TextStream& operator<<(const T& value)
    {
        current.text << value;
        SplitLines();
        return *this;
    }

    // Width of s up to its first line feed.
    float GetTextWidth(const std::string& s) const;
    float GetFontSize() const;

private:
    TextStream& Append(const std::string& s);
    // Commits every complete line of the current run.
    void SplitLines();
    void Commit(const std::string& text);
    void CommitCurrent();
    void Flush();
    float LineStartX(size_t run) const;
    float BlockTopY() const;

    Font* font;
    float x = 0.0f;
    float y = 0.0f;
    uint32_t hAlign = 0;
    uint32_t vAlign = 0;
    std::vector<sLine> lines;
    sLine current;
};

} // namespace stext
