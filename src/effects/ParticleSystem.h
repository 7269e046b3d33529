#pragma once
#include <cstdint>
#include "effects/Particle.h"
#include "resources/TextureHandle.h"

// A fixed pool of particles used as a ring: every emission overwrites the
// next slots in turn, alive or not, so nothing is allocated after
// construction. Particles live in window pixels (y upward).
class ParticleSystem {
public:
    static constexpr uint32_t PS_MAX_PARTICLES = 2000;
    static constexpr uint32_t PS_STREAM_PARTICLES = 50;

    ParticleSystem();

    // Advances every live particle by dt seconds.
    void Update(float dt);
    // Draws every live particle in one batch of textured quads; leaves the
    // current colour as the last particle set it.
    void Draw();
    // Frees every slot; the ring position stays where it was.
    void Clear();
    // Particles scattered around (x, y) that converge on (x + dx, y + dy)
    // by the end of their lives.
    void EmitStream(float x, float y, float dx, float dy, uint32_t startColour,
                    uint32_t endColour);
    // Copies the 32 x 32 pixels of the last drawn frame around (x, y) into
    // motionless particles that fade to `colour` in about `time` seconds.
    void EmitDissolve(float x, float y, float time, uint32_t colour);

    uint32_t GetNext() const { return next; }
    const Particle& GetParticle(uint32_t index) const { return particles[index]; }

private:
    Particle& TakeSlot();
    void DrawParticle(const Particle& p) const;

    TextureHandle texture;
    uint32_t next = 0;
    Particle particles[PS_MAX_PARTICLES];
};
