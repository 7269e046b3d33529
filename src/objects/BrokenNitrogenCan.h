#pragma once
#include "objects/StillSprite.h"

// A burst canister: walking into it gives the player one unit of liquid
// nitrogen (the player counts it) and removes the can.
class BrokenNitrogenCan : public StillSprite {
public:
    BrokenNitrogenCan(float x, float y);

    ObjectType getType() const override { return BROKEN_NITROGEN_TYPE; }
    void collide(BaseObject* other) override;
    bool isSolid() const override { return true; }
};
