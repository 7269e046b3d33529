#include <iostream>
#include "ArtBuilder.h"

// artgen <art folder> <data folder>: turns the art sources into the game's
// TGA textures and its textures.txt.
int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: artgen <art folder> <data folder>\n";
        return 2;
    }
    return BuildArt(argv[1], argv[2], std::cerr);
}
