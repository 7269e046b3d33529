// The numbered list reader behind textures.txt and sounds.txt, and the
// option groups a texture line may start with.
#include <cstdlib>
#include "FuzzSupport.h"
#include "resources/FileTable.h"
#include "resources/TextureOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = WriteFuzzFile("list.txt", data, size);
    FileTable table;
    table.Load(path.c_str());
    size_t entries = 0;
    for (uint32_t i = 0; i < table.Count(); ++i) {
        std::string entry = table.Get(i);
        if (entry.find('\n') != std::string::npos) std::abort();  // a line feed always ends an entry
        entries += entry.size() + 1;
        TextureOptions options = ParseTextureOptions(entry);
        if (options.name.size() > entry.size()) std::abort();
    }
    if (entries > size + 1) std::abort();
    // Past the end: a message and an empty name, never a crash.
    if (!table.Get(static_cast<uint32_t>(table.Count())).empty()) std::abort();
    return 0;
}
