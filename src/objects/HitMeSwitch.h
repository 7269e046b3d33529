#pragma once
#include "objects/Switch.h"
#include "resources/TextureHandle.h"

// A target mounted on a wall that flips each time a laser hits it. A laser
// stops at the first thing it touches, so one shot flips it once.
class HitMeSwitch : public Switch {
public:
    HitMeSwitch(float x, float y, LevelManager* levMan, std::istream* in);

    ObjectType getType() const override { return HIT_SWITCH_TYPE; }
    void draw() override;
    void collide(BaseObject* other) override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return true; }
    bool isSolid() const override { return true; }
    void kill() override { alive = false; }

private:
    TextureHandle texture;
    bool alive = true;
};
