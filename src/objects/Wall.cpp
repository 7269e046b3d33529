#include "objects/Wall.h"
#include "objects/TileFill.h"

namespace {
constexpr int32_t WALL_LAYER = 2;
constexpr uint32_t WALL_TEXTURE = 3;
}

Wall::Wall(float x, float y) : StillSprite(x, y, WALL_LAYER, WALL_TEXTURE) {}

void Wall::editAt(float px, float py)
{
    EditTile<Wall>(*this, px, py);
}
