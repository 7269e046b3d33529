#pragma once
#include <cstdint>
#include "objects/Walker.h"
#include "resources/TextureHandle.h"

class LevelManager;

// The last enemy: a big walker that patrols at 64 pixels a second, keeps
// its head turned toward the player and, whenever the player lines up with
// its row or column, stands still and breathes fire 2, 3 and 4 tiles ahead.
// It puts out the flames it walks into. Only freeze beams hurt it; the
// fifth hit kills it, and the game shows the credits.
class Dragon : public Walker {
public:
    static constexpr float SPEED = 64.0f;
    static constexpr float BREATH_TIME = 0.3f;
    static constexpr float HIT_DAMAGE = 0.25f;

    Dragon(float x, float y, LevelManager* levman);

    ObjectType getType() const override { return DRAGON_TYPE; }
    void draw() override;
    void update(float dt, const KeyState* keys) override;
    void collide(BaseObject* other) override;
    bool isDead() const override { return !alive; }
    void kill() override { alive = false; }
    void traceState(std::ostream& out) const override;

    int32_t getFacing() const { return facing; }
    int32_t getMoveDirection() const { return moveDirection; }
    float getBrightness() const { return brightness; }
    bool isBreathing() const { return breathing; }

private:
    void aimAt(float px, float py);
    bool playerInLine(float px, float py) const;
    void startBreath();
    void endBreath();
    // The k-th tile ahead along the facing, on the tile grid; the breath's
    // streams aim 4 pixels higher when the dragon faces sideways.
    void tileAhead(int k, float raise, float& tx, float& ty) const;

    TextureHandle texture;
    LevelManager* levelManager;
    int32_t moveDirection = 1;
    int32_t facing = 0;
    float breathTimer = 0.0f;
    float brightness = 1.0f;
    bool breathing = false;
    bool alive = true;
};
