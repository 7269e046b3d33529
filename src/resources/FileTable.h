#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The numbered list behind texture and sound ids: entry N is line N of the
// list file, kept exactly (spaces, empty lines) but for the line feed.
class FileTable {
public:
    void Load(const char* listName);
    std::string Get(uint32_t index) const;
    size_t Count() const { return files.size(); }

private:
    std::vector<std::string> files;
};
