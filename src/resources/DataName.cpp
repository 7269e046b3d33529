#include "resources/DataName.h"
#include <fstream>
#include <iterator>
#include "resources/EmbeddedStore.h"
#include "shell/Shell.h"

bool LoadResourceStream(std::stringstream& stream, const std::string& name)
{
    size_t dot = name.find('.');
    const EmbeddedResource* found = nullptr;
    if (dot != std::string::npos) found = FindEmbeddedResource(name.substr(0, dot), name.substr(dot + 1));
    if (!found) {
        MessageBoxPlain("Could not find resource", "ERROR");
        return false;
    }
    if (found->size == 0) return false;
    stream.str(std::string(reinterpret_cast<const char*>(found->data), found->size));
    stream.clear();
    stream.seekg(0);
    return true;
}

bool ReadDataName(const std::string& dataName, std::string& bytes)
{
    if (!dataName.empty() && dataName[0] == '*') {
        std::stringstream stream;
        if (!LoadResourceStream(stream, dataName.substr(1))) return false;
        bytes = stream.str();
        return true;
    }
    std::ifstream file(dataName, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}
