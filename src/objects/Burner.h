#pragma once
#include <cstdint>
#include <istream>
#include "objects/StillSprite.h"

class LevelManager;

// A floor fixture tied to a switch by its id: while that switch is on, it
// lights a new, igniting flame on itself every 2 seconds. Objects pass over
// it, and whatever stands on it when it lights is burnt.
class Burner : public StillSprite {
public:
    static constexpr float COOLDOWN = 2.0f;

    // With a level-file stream, the switch id is read from it.
    Burner(float x, float y, LevelManager* levman, std::istream* in);

    ObjectType getType() const override { return BURNER_TYPE; }
    void save(std::ostream& out) override;
    void update(float dt, const KeyState* keys) override;
    // A click on a switch links the burner to it; any other click moves it.
    void editAt(float px, float py) override;
    bool isSolid() const override { return false; }
    void traceState(std::ostream& out) const override;

    uint32_t getSwitchId() const { return switchId; }
    float getCooldown() const { return cooldown; }

private:
    LevelManager* levelManager;
    uint32_t switchId = 0;
    float cooldown = 0.0f;
};
