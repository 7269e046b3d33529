#pragma once
#include <cstdint>
#include "objects/BaseObject.h"
#include "resources/TextureHandle.h"

// A shot of the player's gun: a box that grows out of the muzzle for a
// quarter of a second, flies on at a fixed length, stops at the first thing
// it touches and shrinks into the point of impact until nothing is left.
// Beams harm nothing themselves: the objects they touch react in their own
// collide. The kinds of beam differ only in their looks, in what they fly
// through and in what they do as they stop.
class Beam : public BaseObject {
public:
    static constexpr float GROW_TIME = 0.25f;      // seconds
    static constexpr float SPEED = 512.0f;         // pixels per second
    static constexpr float START_LENGTH = 16.0f;
    static constexpr float THICKNESS = 8.0f;
    // The playfield; a beam whose whole box has left it is removed.
    static constexpr float FIELD_WIDTH = 800.0f;
    static constexpr float FIELD_HEIGHT = 600.0f;

    // A sprite sheet holding a cap frame (muzzle flash and impact spark)
    // and a body frame, stretched along the beam.
    struct Look {
        uint32_t textureId;
        uint32_t columns;
        uint32_t rows;
        uint32_t capFrame;
        uint32_t bodyFrame;
    };

    void draw() override;
    void update(float dt, const KeyState* keys) override;
    void collide(BaseObject* other) override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return false; }
    // A beam that has hit something takes part in no further collisions.
    bool isSolid() const override { return flying; }
    void kill() override { alive = false; }
    void traceState(std::ostream& out) const override;

    int32_t getDirection() const { return direction; }
    bool isFlying() const { return flying; }
    float getFlightTime() const { return flightTime; }

protected:
    // (x, y) is the shooter's centre; the beam starts 16 long and 8 thick
    // at the muzzle for that direction.
    Beam(float x, float y, int32_t direction, const Look& look);

    virtual bool passesThrough(ObjectType type) const = 0;
    // The contact that stops the beam, before the beam is cut back to it.
    virtual void stopAt(BaseObject* other);

private:
    float& length();
    void advance(float dt);
    void cutToNearFace(const BaseObject& other);
    bool hasLeftTheField() const;
    void drawFigure(float length) const;

    Look look;
    TextureHandle texture;
    int32_t direction;
    float flightTime = 0.0f;
    bool flying = true;
    bool alive = true;
};
