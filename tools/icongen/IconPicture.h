#pragma once
#include <string>
#include "Image.h"

// The game's icon drawn from its own art: the player's first frame, facing
// the viewer, with the colour key made transparent. False, with the art's
// error, when the art cannot be read.
bool MakeIconPicture(const std::string& artDir, Image& picture, std::string& error);
