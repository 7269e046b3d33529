#pragma once
#include <utility>
#include "objects/BaseObject.h"
#include "resources/TextureHandle.h"

// A solid tile that a player or a laser pushes half a tile at a time. A
// push slides it over half a second; meeting anything else on the way
// sends it back to where the push began.
class Block : public BaseObject {
public:
    static constexpr float PUSH_DISTANCE = 16.0f;

    Block(float x, float y);

    ObjectType getType() const override { return BLOCK_TYPE; }
    void draw() override;
    void update(float dt, const KeyState* keys) override;
    void collide(BaseObject* other) override;
    void editAt(float px, float py) override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return false; }
    bool isSolid() const override { return true; }
    void kill() override { alive = false; }
    void traceState(std::ostream& out) const override;

    bool isSliding() const { return sliding; }

private:
    // Where the block is along its slide (its drawn position).
    std::pair<float, float> current() const;
    void tryPush(float pusherX, float pusherY);
    void cancelSlide();
    void restAt(float restX, float restY);

    TextureHandle texture;
    float fromX;
    float fromY;
    float toX;
    float toY;
    float progress = 0.0f;
    bool alive = true;
    bool sliding = false;
};
