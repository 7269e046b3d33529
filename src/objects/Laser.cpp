#include "objects/Laser.h"

namespace {
// Cap and body share the player's sheet.
constexpr Beam::Look LASER_LOOK{0, 4, 4, 3, 7};
}

Laser::Laser(float x, float y, Player*, int32_t direction) : Beam(x, y, direction, LASER_LOOK) {}

bool Laser::passesThrough(ObjectType type) const { return type == PLAYER_TYPE || type == ICE_CUBE_TYPE; }
