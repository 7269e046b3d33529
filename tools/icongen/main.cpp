#include <iostream>
#include "IconPicture.h"
#include "IconSet.h"

// icongen <art folder> <icon folder>: draws the game's icon from its art as
// PNGs at the desktop's sizes and as an SVG, in a hicolor icon theme tree.
int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: icongen <art folder> <icon folder>\n";
        return 2;
    }
    Image picture;
    std::string error;
    if (!MakeIconPicture(argv[1], picture, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    return WriteIconSet(picture, argv[2], "velkamire", std::cerr);
}
