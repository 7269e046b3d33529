#include "resources/FileTable.h"
#include <sstream>
#include "resources/DataName.h"
#include "resources/WholeFile.h"
#include "shell/Shell.h"

namespace {

// Splits at line feeds; every other byte is kept. Reading always ends with
// one entry more, taken up to the end of the file: after a final line feed
// it is empty, and an empty list is one empty entry.
std::vector<std::string> SplitEntries(const std::string& bytes, bool dropCarriageReturns)
{
    std::vector<std::string> entries;
    std::string entry;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\n') {
            if (dropCarriageReturns && !entry.empty() && entry.back() == '\r') entry.pop_back();
            entries.push_back(entry);
            entry.clear();
        } else {
            entry += c;
        }
    }
    entries.push_back(entry);
    return entries;
}

} // namespace

void FileTable::Load(const char* listName)
{
    files.clear();
    std::string name = listName ? listName : "";
    std::string bytes;
    if (!name.empty() && name[0] == '*') {
        std::stringstream stream;
        if (!LoadResourceStream(stream, name.substr(1))) {
            MessageBoxPlain("Could not load file table!", "Error");
            return;
        }
        files = SplitEntries(stream.str(), false);
        return;
    }
    // Read as text: a carriage return before a line feed is not part of
    // the entry.
    std::string text;
    if (!ReadWholeFile(name, text)) {
        MessageBoxPlain("Could not load file table!", "Error");
        return;
    }
    files = SplitEntries(text, true);
}

std::string FileTable::Get(uint32_t index) const
{
    if (index >= files.size()) {
        MessageBoxPlain("Invalid file table reference!", "Error");
        return std::string();
    }
    return files[index];
}
