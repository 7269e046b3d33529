#include "resources/ContainedName.h"
#include <cctype>

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsBlank(const std::string& name)
{
    for (char c : name)
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

bool IsAbsolute(const std::string& name)
{
    if (!name.empty() && IsSeparator(name[0])) return true;
    return name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
}

bool HasParentComponent(const std::string& name)
{
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) ++end;
        if (name.compare(start, end - start, "..") == 0) return true;
        start = end + 1;
    }
    return false;
}

} // namespace

bool IsContainedName(const std::string& name)
{
    return !IsBlank(name) && !IsAbsolute(name) && !HasParentComponent(name);
}
