// velkamire-bench: Google Benchmark of one world step against the number
// of objects, and of loading levels.
//   velkamire-bench [benchmark flags] --data DIR [LEVEL.dat...]
// DIR is a data directory of the game: levels are loaded from it, and the
// objects find their texture and sound lists there as in the game.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>
#include "LevelLoad.h"
#include "resources/SoundManager.h"
#include "resources/TextureManager.h"

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    std::string dataDir;
    std::vector<std::string> levels;
    // Google Benchmark has taken its own flags out of argv: anything else
    // that looks like an option is a mistake, not a level.
    bool understood = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) dataDir = argv[++i];
        else if (argv[i][0] == '-') understood = false;
        else levels.push_back(argv[i]);
    }
    std::error_code ec;
    if (!understood || dataDir.empty() || (std::filesystem::current_path(dataDir, ec), ec)) {
        std::fprintf(stderr, "usage: velkamire-bench [benchmark flags] --data DIR [LEVEL.dat...]\n");
        return 2;
    }
    TextureManager::Instance()->LoadList("textures.txt");
    SoundManager::Instance()->LoadList("sounds.txt");
    for (const std::string& level : levels) RegisterLevelLoad(level);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
