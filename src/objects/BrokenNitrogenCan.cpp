#include "objects/BrokenNitrogenCan.h"

namespace {
constexpr int32_t CAN_LAYER = 2;
constexpr uint32_t BROKEN_CAN_TEXTURE = 12;
}

BrokenNitrogenCan::BrokenNitrogenCan(float x, float y) : StillSprite(x, y, CAN_LAYER, BROKEN_CAN_TEXTURE) {}

void BrokenNitrogenCan::collide(BaseObject* other)
{
    if (other->getType() == PLAYER_TYPE) kill();
}
