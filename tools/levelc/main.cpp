// velkamire-levelc: turns level sources into the game's level files and back.
#include "Decompiler.h"
#include "FileBytes.h"
#include "LevelBinary.h"
#include "SourceCompiler.h"
#include <cstring>
#include <iostream>

using namespace levelc;

namespace {

const char USAGE[] =
    "usage: velkamire-levelc compile SOURCE OUT.dat\n"
    "       velkamire-levelc decompile IN.dat OUT.lvl   (OUT may be - for standard output)\n"
    "       velkamire-levelc --help\n";

const char HELP[] =
    "\n"
    "Turns a level source (see tools/levelc/FORMAT.md) into the game's level\n"
    "file, or a level file back into a source that compiles to the same bytes.\n";

int Fail(const std::string& message)
{
    std::cerr << "velkamire-levelc: " << message << "\n";
    return 1;
}

int Compile(const std::string& sourcePath, const std::string& outPath)
{
    std::string text, bytes;
    if (!ReadFileBytes(sourcePath, text))
        return Fail("cannot read " + sourcePath);
    std::vector<std::string> errors;
    if (!CompileSource(text, sourcePath, bytes, errors)) {
        for (const std::string& e : errors)
            std::cerr << e << "\n";
        return 1;
    }
    return WriteFileBytes(outPath, bytes) ? 0 : Fail("cannot write " + outPath);
}

int Decompile(const std::string& levelPath, const std::string& outPath)
{
    std::string bytes, error;
    if (!ReadFileBytes(levelPath, bytes))
        return Fail("cannot read " + levelPath);
    std::vector<LevelRecord> records;
    if (!ReadLevel(bytes, records, error))
        return Fail(levelPath + ": " + error);
    std::string text = DecompileLevel(records);
    // Never hand out a source that would not give the same file back.
    std::string again;
    std::vector<std::string> errors;
    if (!CompileSource(text, outPath, again, errors) || again != bytes)
        return Fail(levelPath + ": internal error: the written source does not compile back to the same bytes");
    return WriteFileBytes(outPath, text) ? 0 : Fail("cannot write " + outPath);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << USAGE << HELP;
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "compile") == 0)
        return Compile(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "decompile") == 0)
        return Decompile(argv[2], argv[3]);
    std::cerr << USAGE;
    return 2;
}
