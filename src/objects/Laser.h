#pragma once
#include "objects/Beam.h"

class Player;

// The player's laser: it sets gas alight, shatters ice, flips hit switches
// and pushes blocks, all through their own reactions to it. It flies
// through the player and through ice cubes.
class Laser : public Beam {
public:
    // The shooter is not kept.
    Laser(float x, float y, Player* shooter, int32_t direction);

    ObjectType getType() const override { return LASER_TYPE; }

protected:
    bool passesThrough(ObjectType type) const override;
};
