#include "objects/NitrogenCan.h"
#include "objects/BrokenNitrogenCan.h"

namespace {
constexpr int32_t CAN_LAYER = 2;
constexpr uint32_t CAN_TEXTURE = 11;
}

NitrogenCan::NitrogenCan(float x, float y) : StillSprite(x, y, CAN_LAYER, CAN_TEXTURE) {}

// Cans stand still, so only a moving flame, one still igniting, meets them.
void NitrogenCan::collide(BaseObject* other)
{
    if (other->getType() != FLAME_TYPE) return;
    kill();
    new BrokenNitrogenCan(x, y);
}
