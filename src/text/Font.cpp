#include "text/Font.h"
#include <cstring>
#include "resources/DataName.h"

namespace stext {

bool Font::Load(const std::string& name)
{
    std::string bytes;
    if (!ReadDataName(name, bytes) || bytes.size() < sizeof widths) return false;
    std::memcpy(widths, bytes.data(), sizeof widths);
    return true;
}

float Font::GetCharWidth(uint8_t c) const
{
    if (c < FIRST_CHAR || c > LAST_CHAR) return 0.0f;
    return widths[c - FIRST_CHAR] * size * 0.0625f;
}

} // namespace stext
