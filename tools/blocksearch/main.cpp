// velkamire-blocksearch: searches every way the blocks of a level can be
// pushed and reports the fewest pushes that reach the lift and how many
// layouts leave it out of reach for good.
#include <cstring>
#include <iostream>
#include "BlockSearch.h"
#include "FileBytes.h"
#include "LevelBinary.h"
#include "SourceCompiler.h"

using namespace blocksearch;

namespace {

const char USAGE[] =
    "usage: velkamire-blocksearch LEVEL.lvl|LEVEL.dat\n"
    "       velkamire-blocksearch --help\n";

const char HELP[] =
    "\n"
    "Treats the level as a block puzzle: the blocks are pushed half a tile at\n"
    "a time by a player exactly in line with them, everything else solid\n"
    "stands still, and the player wins on a lift. Prints the fewest pushes\n"
    "that win, the pushes themselves (block centres in pixels), and how many\n"
    "layouts are reachable and how many of them can no longer win.\n";

int Fail(const std::string& message)
{
    std::cerr << "velkamire-blocksearch: " << message << "\n";
    return 1;
}

bool EndsWith(const std::string& s, const std::string& end)
{
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << USAGE << HELP;
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::cerr << USAGE;
        return 2;
    }
    std::string path = argv[1], bytes, error;
    if (!levelc::ReadFileBytes(path, bytes)) return Fail("cannot read " + path);
    if (EndsWith(path, ".lvl")) {
        std::string text = bytes;
        std::vector<std::string> errors;
        if (!levelc::CompileSource(text, path, bytes, errors)) {
            for (const std::string& e : errors) std::cerr << e << "\n";
            return 1;
        }
    }
    std::vector<levelc::LevelRecord> records;
    if (!levelc::ReadLevel(bytes, records, error)) return Fail(path + ": " + error);
    BlockPuzzle puzzle;
    if (!LoadPuzzle(records, puzzle, error)) return Fail(path + ": " + error);

    SearchResult result = Search(puzzle);
    if (!result.complete) std::cout << "the search stopped at its limit: the counts are partial\n";
    if (result.solvable)
        std::cout << "solvable in " << result.solution.size() << " pushes of half a tile\n";
    else
        std::cout << "not solvable\n";
    std::cout << result.layouts << " layouts reachable, " << result.deadLayouts << " of them dead\n";
    for (const Push& p : result.solution)
        std::cout << "  (" << puzzle.PixelX(p.from) << ", " << puzzle.PixelY(p.from) << ") -> ("
                  << puzzle.PixelX(p.to) << ", " << puzzle.PixelY(p.to) << ")\n";
    return 0;
}
