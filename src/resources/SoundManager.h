#pragma once
#include <cstdint>
#include <string>
#include "resources/FileTable.h"

// Stand-in until the sound registry lands: remembers the list, plays nothing.
class SoundManager {
public:
    static SoundManager* Instance();
    void LoadList(const char* listName) { fileTable.Load(listName); }
    std::string GetFileName(uint32_t id) const { return fileTable.Get(id); }
    void LoadAll() { enabled = true; }
    bool IsEnabled() const { return enabled; }

private:
    FileTable fileTable;
    bool enabled = false;
};
