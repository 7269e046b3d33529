#pragma once
#include <cstdint>
#include "objects/Switch.h"
#include "resources/TextureHandle.h"

// A floor plate that is on while something solid stands on it. Beams fly
// over it; frozen objects still weigh on it.
class PressureSwitch : public Switch {
public:
    PressureSwitch(float x, float y, LevelManager* levMan, std::istream* in);

    ObjectType getType() const override { return PRESSURE_SWITCH_TYPE; }
    void draw() override;
    void update(float dt, const KeyState* keys) override;
    void collide(BaseObject* other) override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return true; }
    bool isSolid() const override { return false; }
    void kill() override { alive = false; }
    void traceState(std::ostream& out) const override;

    int32_t getPressCount() const { return pressCount; }

private:
    TextureHandle texture;
    int32_t pressCount = 0;
    bool alive = true;
};
