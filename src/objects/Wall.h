#pragma once
#include "objects/BaseObject.h"
#include "resources/TextureHandle.h"

// A solid tile: it never moves, and whatever walks into it is stopped by
// its own collision rules.
class Wall : public BaseObject {
public:
    Wall(float x, float y);

    ObjectType getType() const override { return WALL_TYPE; }
    void draw() override;
    void editAt(float px, float py) override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return true; }
    bool isSolid() const override { return true; }
    void kill() override { alive = false; }

private:
    TextureHandle texture;
    bool alive = true;
};
