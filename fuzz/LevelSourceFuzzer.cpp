// The level compiler on any source text. A source that compiles must come
// back from the decompiler as a source that compiles to the same bytes.
#include <cstdlib>
#include "LevelBinary.h"
#include "LevelRoundTrip.h"
#include "SourceCompiler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string bytes;
    std::vector<std::string> errors;
    if (!levelc::CompileSource(text, "fuzz.lvl", bytes, errors)) {
        if (errors.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    std::vector<levelc::LevelRecord> records;
    std::string error;
    if (!levelc::ReadLevel(bytes, records, error)) std::abort();  // the compiler wrote what its reader refuses
    RequireRoundTrip(bytes, records);
    return 0;
}
