#pragma once
#include <cstdint>
#include "objects/BaseObject.h"
#include "resources/SoundHandle.h"
#include "resources/TextureHandle.h"

// A burning tile. A flame lit during play ignites for its first few
// events: it burns whatever it lands on, except the fire-proof things that
// put it out instead. After that it is a harmless obstacle. Flames read
// from a level file never ignite anything; ice puts any flame out.
class Flame : public BaseObject {
public:
    static constexpr uint32_t IGNITE_EVENTS = 3;
    static constexpr float ANIMATION_CYCLE = 1.2f;
    // The colours of fire streams: opaque yellow-orange fading to red.
    static constexpr uint32_t STREAM_START_COLOUR = 0xFFAAAA00;
    static constexpr uint32_t STREAM_END_COLOUR = 0xFFFF0000;

    Flame(float x, float y);

    ObjectType getType() const override { return FLAME_TYPE; }
    void postLoad() override { igniteSteps = 0; }
    void draw() override;
    void update(float dt, const KeyState* keys) override;
    void collide(BaseObject* other) override;
    bool isDead() const override { return !alive; }
    // An igniting flame seeks out what it overlaps.
    bool isStatic() const override { return igniteSteps == 0; }
    bool isSolid() const override { return true; }
    void kill() override { alive = false; }
    void traceState(std::ostream& out) const override;

    uint32_t getIgniteSteps() const { return igniteSteps; }

private:
    static bool isFireProof(ObjectType type);
    uint32_t frame() const;

    TextureHandle texture;
    SoundHandle sound;
    float animTime = 0.0f;
    uint32_t igniteSteps = IGNITE_EVENTS;
    bool alive = true;
};
