#include "text/sLine.h"

namespace stext {

sLine::sLine(const std::string& s, uint32_t color) : color(color) { SetText(s); }

sLine::sLine(const sLine& other) : color(other.color) { SetText(other.Text()); }

sLine& sLine::operator=(const sLine& other)
{
    SetText(other.Text());
    color = other.color;
    return *this;
}

bool sLine::IsEmpty() const { return Text().empty(); }

bool sLine::EndsLine() const
{
    const std::string s = Text();
    return !s.empty() && s.back() == '\n';
}

} // namespace stext
