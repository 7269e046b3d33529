#pragma once
#include <cstdint>
#include "objects/BaseObject.h"
#include "resources/TextureHandle.h"

class LevelManager;

// The character the user steers. It walks in 8-pixel steps on the lattice
// of its starting point, is stopped by solid objects, dies touching a
// zombie, picks up nitrogen from burst canisters and fires a laser (F) or,
// for one unit of nitrogen, a freeze beam (D).
class Player : public BaseObject {
public:
    enum Facing : int32_t { FACING_LEFT = 0, FACING_RIGHT = 1, FACING_UP = 2, FACING_DOWN = 3 };

    static constexpr float STEP = 8.0f;
    static constexpr float SPEED = 128.0f;        // pixels per second
    static constexpr float FIRING_PAUSE = 0.3f;   // seconds without input after firing

    // levman may be null only for a player dropped in the editor, which
    // is never updated.
    Player(float x, float y, LevelManager* levman);
    ~Player() override;

    ObjectType getType() const override { return PLAYER_TYPE; }
    void draw() override;
    void update(float dt, const KeyState* keys) override;
    void collide(BaseObject* other) override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return false; }
    bool isSolid() const override { return true; }
    void kill() override { alive = false; }
    void traceState(std::ostream& out) const override;

    int32_t getNitrogen() const { return nitrogen; }
    int32_t getFacing() const { return facing; }
    bool isBusy() const { return busy; }
    float getProgress() const { return progress; }

private:
    void countFiringPause(float dt);
    void advanceWalkCycle(float dt);
    void advanceStep(float dt);
    void actOnKeys(const KeyState* keys);
    void startFiringPause();
    void fireLaser();
    void fireFreezeBeam();
    void settleBrokenStep();
    void blockAgainst(const BaseObject& other);
    uint32_t spriteFrame() const;

    int32_t animFrame = 0;
    float animTimer = 0.0f;
    TextureHandle texture;
    float fromX;
    float fromY;
    float toX;
    float toY;
    float progress = 0.0f;
    int32_t nitrogen = 0;
    int32_t facing = FACING_RIGHT;
    LevelManager* levman;
    bool busy = false;
    bool alive = true;
};
