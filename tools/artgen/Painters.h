#pragma once
#include <string>
#include "Image.h"

// Textures painted by code rather than drawn as pixel art: the screen
// background, the text-box panel tile and the particle dot. The manifest
// names them "@background", "@panel" and "@particle".
Image PaintBackground();
Image PaintPanelTile();
Image PaintParticleDot();

// Paints the texture a manifest source such as "@panel" names; false for an
// unknown name.
bool PaintByName(const std::string& name, Image& out);
