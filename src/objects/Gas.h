#pragma once
#include <cstdint>
#include "objects/BaseObject.h"
#include "resources/TextureHandle.h"

class LevelManager;

// A pocket of gas. A laser sets it off: it flashes away into particles and,
// 0.3 s after the last laser touched it, becomes a column of three flames
// on the side away from the laser.
class Gas : public BaseObject {
public:
    static constexpr float FUSE_TIME = 0.3f;

    Gas(float x, float y, LevelManager* levman);

    ObjectType getType() const override { return GAS_TYPE; }
    void draw() override;
    void update(float dt, const KeyState* keys) override;
    void collide(BaseObject* other) override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return true; }
    bool isSolid() const override { return true; }
    void kill() override { alive = false; }
    void traceState(std::ostream& out) const override;

    float getFuse() const { return fuseTimer; }
    int32_t getBlastDirection() const { return blastDirection; }

private:
    void light(float laserX, float laserY);
    void explode();

    TextureHandle texture;
    float fuseTimer = -1.0f;  // burning while above 0
    int32_t blastDirection = 0;
    LevelManager* levelManager;
    bool alive = true;
};
