#pragma once
#include "objects/BaseObject.h"
#include "resources/TextureHandle.h"

// A walkable tile, drawn under everything. It takes no part in collisions.
class Floor : public BaseObject {
public:
    Floor(float x, float y);

    ObjectType getType() const override { return FLOOR_TYPE; }
    void draw() override;
    void editAt(float px, float py) override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return true; }
    bool isSolid() const override { return false; }
    void kill() override { alive = false; }

private:
    TextureHandle texture;
    bool alive = true;
};
