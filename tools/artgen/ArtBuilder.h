#pragma once
#include <ostream>
#include <string>
#include "Image.h"
#include "Manifest.h"

// Name of the manifest inside the art folder.
extern const char* const ART_MANIFEST;

// The image of one manifest entry, read from its pixel-art file in the art
// folder or painted by code. False, with a message, when it can't be made.
bool MakeArtImage(const ArtEntry& entry, const std::string& artDir, Image& image, std::string& error);

// Builds the game's textures: reads artDir's manifest, writes every image
// the manifest names as a TGA under dataDir/Data/Textures/, then
// dataDir/textures.txt. Writes errors to err and returns 0 on success, 1 on
// any error (textures.txt is then not written, so the build tries again).
int BuildArt(const std::string& artDir, const std::string& dataDir, std::ostream& err);
