#include "objects/StillSprite.h"
#include "resources/QuadDrawing.h"

namespace {
constexpr float SIZE = 32.0f;
}

StillSprite::StillSprite(float x, float y, int32_t drawLayer, uint32_t textureId)
    : BaseObject(x, y, SIZE, SIZE, drawLayer), texture(textureId)
{
}

void StillSprite::draw()
{
    if (!alive) return;
    texture.Bind();
    DrawQuad(x, y, width, height);
}
