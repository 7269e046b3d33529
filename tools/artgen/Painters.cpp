#include "Painters.h"

bool PaintByName(const std::string& name, Image& out)
{
    if (name == "@background") out = PaintBackground();
    else if (name == "@panel") out = PaintPanelTile();
    else if (name == "@particle") out = PaintParticleDot();
    else return false;
    return true;
}
