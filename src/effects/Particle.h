#pragma once
#include "effects/ParticleColour.h"

// One dot of the particle pool. A slot with life <= 0 is free.
struct Particle {
    float life;     // seconds left
    float maxLife;  // the life it was given at birth
    ParticleColour startColour;
    ParticleColour endColour;
    float size;     // edge of its square, pixels
    float x;
    float y;
    float vx;       // pixels per second
    float vy;
    float ax;       // pixels per second squared
    float ay;
};

static_assert(sizeof(Particle) == 17 * sizeof(float), "a particle is seventeen floats");
