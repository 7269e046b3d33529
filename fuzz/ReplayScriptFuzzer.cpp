// The replay tool's script parser.
#include <cstdlib>
#include "ReplayScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    ReplayScript script;
    std::string error;
    if (!ParseReplayScript(text, script, error)) {
        if (error.compare(0, 5, "line ") != 0) std::abort();  // every refusal names its line
        return 0;
    }
    for (const ScriptEvent& e : script.events)
        if (e.frame > script.lastFrame) std::abort();
    return 0;
}
