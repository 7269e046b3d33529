#pragma once
#include <ostream>
#include <string>
#include "Image.h"

// The sizes of the PNG icons, in pixels, as desktops look for them.
extern const int ICON_SIZES[];
extern const int ICON_SIZE_COUNT;

// Writes the icon theme tree under outDir: hicolor/<n>x<n>/apps/<name>.png
// for every size and hicolor/scalable/apps/<name>.svg. Writes errors to err
// and returns 0 on success, 1 on any error.
int WriteIconSet(const Image& picture, const std::string& outDir, const std::string& name, std::ostream& err);
