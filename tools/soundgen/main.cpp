// soundgen: synthesises the game's sounds from the sources in assets/sound.
// Usage: soundgen <source directory> <data directory>
#include <cstdio>
#include <string>
#include <vector>
#include "Generator.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: soundgen <source directory> <data directory>\n");
        return 2;
    }
    std::vector<soundgen::SoundFile> sounds;
    std::string error;
    if (!soundgen::MakeSounds(argv[1], sounds, error) || !soundgen::WriteSounds(argv[2], sounds, error)) {
        std::fprintf(stderr, "soundgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
