#pragma once
#include "objects/StillSprite.h"

// A solid tile: it never moves, and whatever walks into it is stopped by
// its own collision rules.
class Wall : public StillSprite {
public:
    Wall(float x, float y);

    ObjectType getType() const override { return WALL_TYPE; }
    void editAt(float px, float py) override;
    bool isSolid() const override { return true; }
};
