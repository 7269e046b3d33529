#include "text/TextStream.h"
#include "text/Font.h"
#include "text/RunDrawing.h"

namespace stext {

TextStream& TextStream::operator<<(const Align& a)
{
    Flush();
    hAlign = a.h;
    vAlign = a.v;
    return *this;
}

TextStream& TextStream::operator<<(const Pos& p)
{
    Flush();
    x = p.x;
    y = p.y;
    return *this;
}

TextStream& TextStream::operator<<(const Color& c)
{
    CommitCurrent();
    current.color = c.c;
    return *this;
}

TextStream& TextStream::operator<<(EndMarker)
{
    Flush();
    return *this;
}

TextStream& TextStream::Append(const std::string& s)
{
    current.text << s;
    SplitLines();
    return *this;
}

void TextStream::SplitLines()
{
    std::string s = current.Text();
    size_t p;
    while ((p = s.find('\n')) != std::string::npos) {
        Commit(s.substr(0, p + 1));
        s.erase(0, p + 1);
    }
    current.SetText(s);
}

void TextStream::Commit(const std::string& text) { lines.emplace_back(text, current.color); }

void TextStream::CommitCurrent()
{
    if (current.IsEmpty()) return;
    Commit(current.Text());
    current.SetText("");
}

float TextStream::GetTextWidth(const std::string& s) const
{
    float w = 0.0f;
    for (char c : s) {
        if (c == '\n') break;
        w += font->GetCharWidth(static_cast<uint8_t>(c));
    }
    return w;
}

float TextStream::GetFontSize() const { return font->GetSize(); }

// Where the pen starts on the visual line whose first run is lines[run]:
// alignment measures that first run only.
float TextStream::LineStartX(size_t run) const
{
    const float w = GetTextWidth(lines[run].Text());
    if (hAlign == 1) return x - w * 0.5f;
    if (hAlign == 2) return x - w;
    return x;
}

// The top of the first line. A block has one more line than it has line
// feeds, so text ending in a line feed counts an empty last line.
float TextStream::BlockTopY() const
{
    float n = 1.0f;
    for (const sLine& run : lines)
        if (run.EndsLine()) n += 1.0f;
    if (vAlign == 1) return y + n * font->GetSize() * 0.5f;
    if (vAlign == 2) return y + n * font->GetSize();
    return y;
}

void TextStream::Flush()
{
    CommitCurrent();
    if (lines.empty()) return;
    float penX = LineStartX(0);
    float penY = BlockTopY();
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string text = lines[i].Text();
        DrawRun(*font, text, lines[i].color, penX, penY);
        if (i + 1 == lines.size()) break;
        if (lines[i].EndsLine()) {
            penY -= font->GetSize();
            penX = LineStartX(i + 1);
        } else {
            penX += GetTextWidth(text);
        }
    }
    lines.clear();
}

} // namespace stext
