#pragma once
#include <cstdint>
#include <string>
#include "resources/FileTable.h"

class TextureObject;

// Stand-in until the texture registry lands: remembers the list, loads
// nothing.
class TextureManager {
public:
    static TextureManager* Instance();
    void LoadList(const char* listName) { fileTable.Load(listName); }
    std::string GetFileName(uint32_t id) const { return fileTable.Get(id); }
    void LoadAll() { enabled = true; }
    void Disable() { enabled = false; }
    bool IsEnabled() const { return enabled; }

private:
    FileTable fileTable;
    bool enabled = false;
};
