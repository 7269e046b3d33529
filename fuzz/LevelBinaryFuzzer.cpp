// The decompiler on any level file: what it reads must decompile to a
// source that compiles to the same bytes again.
#include <cstdlib>
#include "LevelBinary.h"
#include "LevelRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<levelc::LevelRecord> records;
    std::string error;
    if (!levelc::ReadLevel(bytes, records, error)) {
        if (error.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    if (levelc::WriteLevel(records) != bytes) std::abort();
    RequireRoundTrip(bytes, records);
    return 0;
}
