#pragma once
#include "objects/StillSprite.h"

// A sealed canister of liquid nitrogen. The player cannot use it until fire
// has burst it open: an igniting flame that touches it goes out and leaves
// a broken can in its place.
class NitrogenCan : public StillSprite {
public:
    NitrogenCan(float x, float y);

    ObjectType getType() const override { return NITROGEN_TYPE; }
    void collide(BaseObject* other) override;
    bool isSolid() const override { return true; }
};
