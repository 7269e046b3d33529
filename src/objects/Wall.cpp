#include "objects/Wall.h"
#include "objects/TileFill.h"
#include "resources/QuadDrawing.h"

namespace {
constexpr float SIZE = 32.0f;
constexpr int32_t WALL_LAYER = 2;
constexpr uint32_t WALL_TEXTURE = 3;
}

Wall::Wall(float x, float y) : BaseObject(x, y, SIZE, SIZE, WALL_LAYER), texture(WALL_TEXTURE) {}

void Wall::draw()
{
    if (!alive) return;
    texture.Bind();
    DrawQuad(x, y, width, height);
}

void Wall::editAt(float px, float py)
{
    EditTile<Wall>(*this, px, py);
}
