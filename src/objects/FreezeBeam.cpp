#include "objects/FreezeBeam.h"

namespace {
constexpr Beam::Look FREEZE_BEAM_LOOK{9, 2, 1, 0, 1};

// Wraps what a freeze beam stopped at in a cube of ice. There are no ice
// cubes yet: until there are, the beam stops like a laser.
void EncaseInIce(BaseObject*) {}
}

FreezeBeam::FreezeBeam(float x, float y, int32_t direction) : Beam(x, y, direction, FREEZE_BEAM_LOOK) {}

void FreezeBeam::stopAt(BaseObject* other)
{
    if (other->getType() != BLOCK_TYPE) EncaseInIce(other);
}
