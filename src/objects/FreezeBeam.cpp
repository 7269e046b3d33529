#include "objects/FreezeBeam.h"
#include "objects/IceCube.h"

namespace {
constexpr Beam::Look FREEZE_BEAM_LOOK{9, 2, 1, 0, 1};
}

FreezeBeam::FreezeBeam(float x, float y, int32_t direction) : Beam(x, y, direction, FREEZE_BEAM_LOOK) {}

void FreezeBeam::stopAt(BaseObject* other)
{
    // The cube decides what it holds: a wall gets none, a flame is put out.
    if (other->getType() != BLOCK_TYPE) new IceCube(other);
}
