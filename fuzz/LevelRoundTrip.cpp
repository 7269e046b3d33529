#include "LevelRoundTrip.h"
#include <cstdio>
#include <cstdlib>
#include "Decompiler.h"
#include "SourceCompiler.h"

void RequireRoundTrip(const std::string& bytes, const std::vector<levelc::LevelRecord>& records)
{
    std::string source = levelc::DecompileLevel(records);
    std::string again;
    std::vector<std::string> errors;
    if (levelc::CompileSource(source, "decompiled.lvl", again, errors) && again == bytes) return;
    std::fprintf(stderr, "no round trip; decompiled source:\n%s\n%s\n", source.c_str(),
                 errors.empty() ? "" : errors[0].c_str());
    std::abort();
}
