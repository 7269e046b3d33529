#pragma once
#include "objects/Beam.h"

// The player's freeze beam, paid for with liquid nitrogen: what it stops at
// is encased in ice (blocks excepted), and it is the only thing that hurts
// the dragon. It flies through the player only.
class FreezeBeam : public Beam {
public:
    FreezeBeam(float x, float y, int32_t direction);

    ObjectType getType() const override { return FREEZE_BEAM_TYPE; }

protected:
    bool passesThrough(ObjectType type) const override { return type == PLAYER_TYPE; }
    void stopAt(BaseObject* other) override;
};
