#include "effects/ParticleSystem.h"
#include <GL/gl.h>
#include <cstdlib>
#include "resources/GlCalls.h"
#include "shell/Assertion.h"

namespace {

constexpr uint32_t PARTICLE_TEXTURE = 21;
constexpr float PARTICLE_SIZE = 4.0f;
// The dissolve copies a square patch of the screen onto a lattice of
// cells, each the average of DISSOLVE_CELL x DISSOLVE_CELL pixels.
constexpr int DISSOLVE_PATCH = 32;
constexpr int DISSOLVE_CELL = 2;
constexpr int DISSOLVE_CELLS = DISSOLVE_PATCH / DISSOLVE_CELL;

// Uniform in [0, 1], both ends included, from a 15-bit random integer.
float Random01() { return float(std::rand() % 32768) / 32767.0f; }

ParticleColour Blend(const ParticleColour& from, const ParticleColour& to, float t)
{
    return ParticleColour{to.r + (from.r - to.r) * t, to.g + (from.g - to.g) * t,
                          to.b + (from.b - to.b) * t, to.a + (from.a - to.a) * t};
}

// Sums of R, G and B over each cell of the patch, read bottom row first.
struct PatchSums {
    uint32_t rgb[DISSOLVE_CELLS][DISSOLVE_CELLS][3] = {};
};

PatchSums ReadPatch(int left, int bottom)
{
    // Pixels outside the window are left undefined by GL; start from black.
    GLubyte pixels[DISSOLVE_PATCH * DISSOLVE_PATCH * 3] = {};
    glReadPixels(left, bottom, DISSOLVE_PATCH, DISSOLVE_PATCH, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    PatchSums sums;
    for (int row = 0; row < DISSOLVE_PATCH; ++row) {
        for (int column = 0; column < DISSOLVE_PATCH; ++column) {
            const GLubyte* pixel = pixels + (row * DISSOLVE_PATCH + column) * 3;
            uint32_t* cell = sums.rgb[row / DISSOLVE_CELL][column / DISSOLVE_CELL];
            for (int channel = 0; channel < 3; ++channel) cell[channel] += pixel[channel];
        }
    }
    return sums;
}

} // namespace

ParticleSystem::ParticleSystem() : texture(PARTICLE_TEXTURE), particles{} {}

Particle& ParticleSystem::TakeSlot()
{
    Particle& p = particles[next];
    next = (next + 1) % PS_MAX_PARTICLES;
    return p;
}

void ParticleSystem::Update(float dt)
{
    for (Particle& p : particles) {
        if (p.life <= 0.0f) continue;
        p.life -= dt;
        if (p.life <= 0.0f) {
            // Its last step does not move it.
            p.life = 0.0f;
            p.maxLife = 0.0f;
            continue;
        }
        p.x += p.vx * dt + p.ax * dt * dt / 2.0f;
        p.y += p.vy * dt + p.ay * dt * dt / 2.0f;
        p.vx += p.ax * dt;
        p.vy += p.ay * dt;
    }
}

void ParticleSystem::Draw()
{
    texture.Bind();
    Gl().begin(GL_QUADS);
    for (const Particle& p : particles)
        if (p.life > 0.0f) DrawParticle(p);
    Gl().end();
}

void ParticleSystem::DrawParticle(const Particle& p) const
{
    ParticleColour c = Blend(p.startColour, p.endColour, p.life / p.maxLife);
    Gl().color4f(c.r, c.g, c.b, c.a);
    float h = p.size / 2.0f;
    Gl().texCoord2f(1.0f, 1.0f);
    Gl().vertex2f(p.x + h, p.y + h);
    Gl().texCoord2f(0.0f, 1.0f);
    Gl().vertex2f(p.x - h, p.y + h);
    Gl().texCoord2f(0.0f, 0.0f);
    Gl().vertex2f(p.x - h, p.y - h);
    Gl().texCoord2f(1.0f, 0.0f);
    Gl().vertex2f(p.x + h, p.y - h);
}

void ParticleSystem::Clear()
{
    for (Particle& p : particles) {
        p.life = 0.0f;
        p.maxLife = 0.0f;
    }
}

void ParticleSystem::EmitStream(float x, float y, float dx, float dy, uint32_t startColour,
                                uint32_t endColour)
{
    for (uint32_t i = 0; i < PS_STREAM_PARTICLES; ++i) {
        Particle& p = TakeSlot();
        float oy = 32.0f * Random01() - 16.0f;
        float ox = 32.0f * Random01() - 16.0f;
        p.x = x + ox;
        p.y = y + oy;
        p.ax = 0.0f;
        p.ay = 0.0f;
        p.life = p.maxLife = 0.25f * Random01() - 0.125f + 0.25f;
        VK_ASSERT(p.life != 0.0f, "particle");
        // Aimed to arrive at (x + dx, y + dy) as its life runs out.
        p.vx = (dx - ox) / p.life;
        p.vy = (dy - oy) / p.life;
        p.startColour = UnpackColour(startColour);
        p.endColour = UnpackColour(endColour);
        p.size = PARTICLE_SIZE;
    }
}

void ParticleSystem::EmitDissolve(float x, float y, float time, uint32_t colour)
{
    VK_ASSERT(time > 0.0f, "particle");
    const int half = DISSOLVE_PATCH / 2;
    PatchSums sums = ReadPatch(int(x - half), int(y - half));
    for (int j = 0; j < DISSOLVE_CELLS; ++j) {
        for (int i = 0; i < DISSOLVE_CELLS; ++i) {
            Particle& p = TakeSlot();
            p.x = x + DISSOLVE_CELL * i - half;
            p.y = y + DISSOLVE_CELL * j - half;
            p.vx = p.vy = p.ax = p.ay = 0.0f;
            p.life = p.maxLife = 0.25f * Random01() + time - 0.125f;
            // The sum of four pixels, shifted down to their average.
            const uint32_t* sum = sums.rgb[j][i];
            p.startColour = ColourFromBytes(sum[0] >> 2, sum[1] >> 2, sum[2] >> 2, 255);
            p.endColour = UnpackColour(colour);
            p.size = PARTICLE_SIZE;
        }
    }
}
