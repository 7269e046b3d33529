#pragma once
#include <string>

// One line of the texture list: option groups ("-k ", "-s ", ...) at the
// start, then the image's data name.
struct TextureOptions {
    bool colorKey = false;             // k: one colour becomes transparent
    bool alphaFromBrightness = false;  // g: alpha is the pixel's brightness
    bool repeat = false;               // r: keep GL_REPEAT wrapping
    bool mipmaps = false;              // s: build mipmaps
    std::string name;                  // the rest of the line
};

// Groups are three characters (dash, letter, one skipped separator) and
// are taken only while at least four characters remain, so that a name
// is left; unknown letters are skipped.
TextureOptions ParseTextureOptions(const std::string& line);
