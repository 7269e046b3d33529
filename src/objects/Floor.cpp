#include "objects/Floor.h"
#include "objects/TileFill.h"
#include "resources/QuadDrawing.h"

namespace {
constexpr float SIZE = 32.0f;
constexpr int32_t FLOOR_LAYER = 1;
constexpr uint32_t FLOOR_TEXTURE = 1;
}

Floor::Floor(float x, float y) : BaseObject(x, y, SIZE, SIZE, FLOOR_LAYER), texture(FLOOR_TEXTURE) {}

// Drawn even when dead: a killed floor stays visible until the manager
// removes it at the start of the next draw.
void Floor::draw()
{
    texture.Bind();
    DrawQuad(x, y, SIZE, SIZE);
}

void Floor::editAt(float px, float py)
{
    EditTile<Floor>(*this, px, py);
}
