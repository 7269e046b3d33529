#include "text/Font.h"
#include <cstring>
#include <string>
#include "resources/DataName.h"

namespace stext {

bool Font::Load(const char* name)
{
    std::string bytes;
    if (!ReadDataName(name, bytes) || bytes.size() < sizeof widths) return false;
    std::memcpy(widths, bytes.data(), sizeof widths);
    return true;
}

} // namespace stext
