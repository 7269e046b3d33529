#pragma once
#include <cstdint>
#include <istream>
#include "objects/Walker.h"
#include "resources/TextureHandle.h"

// A slow walker that kills the player on contact (the player's own rule).
// It marches 16 pixels a second and turns clockwise at whatever it meets;
// fire kills it and ice holds it still.
class Zombie : public Walker {
public:
    static constexpr float SPEED = 16.0f;
    static constexpr float SWAY_CYCLE = 0.5f;

    // With a level-file stream the direction is read from it.
    Zombie(float x, float y, std::istream* in);

    ObjectType getType() const override { return ZOMBIE_TYPE; }
    void save(std::ostream& out) override;
    void draw() override;
    void update(float dt, const KeyState* keys) override;
    void collide(BaseObject* other) override { bounceOff(*other, direction); }
    // A click on the zombie turns it to the next direction code; any other
    // click moves it.
    void editAt(float px, float py) override;
    bool isDead() const override { return !alive; }
    void kill() override { alive = false; }
    void traceState(std::ostream& out) const override;

    int32_t getDirection() const { return direction; }

private:
    void drawSideways() const;
    void drawSwaying() const;

    TextureHandle texture;
    int32_t direction = 0;
    float animTime = 0.0f;
    bool alive = true;
};
