#include "objects/Gas.h"
#include <ostream>
#include "levels/LevelManager.h"
#include "objects/Direction.h"
#include "objects/Flame.h"
#include "resources/QuadDrawing.h"
#include "shell/Assertion.h"

namespace {
constexpr float SIZE = 32.0f;
constexpr float TILE = 32.0f;
constexpr int32_t GAS_LAYER = 2;
constexpr uint32_t GAS_TEXTURE = 7;
constexpr float DISSOLVE_TIME = 0.5f;
constexpr uint32_t DISSOLVE_COLOUR = 0xAAFF0000;  // translucent red

// How far the fire reaches from the gas: one tile toward the blast side.
float BlastStep(int32_t direction)
{
    return direction == DIRECTION_LEFT || direction == DIRECTION_DOWN ? -TILE : TILE;
}
}

Gas::Gas(float x, float y, LevelManager* levman)
    : BaseObject(x, y, SIZE, SIZE, GAS_LAYER), texture(GAS_TEXTURE), levelManager(levman)
{
}

void Gas::collide(BaseObject* other)
{
    if (other->getType() != LASER_TYPE) return;
    auto [lx, ly] = other->getPosition();
    light(lx, ly);
}

// Every laser contact lights the gas afresh: the picture dissolves, the
// fuse starts over and the fire streams toward the side away from the
// laser. A laser centred beside the box came from the side; otherwise it
// came from above or below.
void Gas::light(float laserX, float laserY)
{
    VK_ASSERT(levelManager != 0, "objects");
    ParticleSystem& particles = levelManager->GetParticles();
    particles.EmitDissolve(x, y, DISSOLVE_TIME, DISSOLVE_COLOUR);
    fuseTimer = FUSE_TIME;
    bool fromTheSide = laserX < x - width / 2 || laserX > x + width / 2;
    if (fromTheSide) blastDirection = laserX >= x ? DIRECTION_LEFT : DIRECTION_RIGHT;
    else blastDirection = laserY >= y ? DIRECTION_DOWN : DIRECTION_UP;
    float step = BlastStep(blastDirection);
    for (int i = 0; i < 3; ++i) {
        float across = static_cast<float>(i - 1) * TILE;
        float dx = fromTheSide ? step : across;
        float dy = fromTheSide ? across : step;
        particles.EmitStream(x, y, dx, dy, Flame::STREAM_START_COLOUR, Flame::STREAM_END_COLOUR);
    }
}

void Gas::update(float dt, const KeyState*)
{
    if (fuseTimer <= 0.0f) return;
    fuseTimer -= dt;
    if (fuseTimer <= 0.0f) explode();
}

// Three flames in a row one tile beyond the gas, on the gas's own grid.
void Gas::explode()
{
    kill();
    float step = BlastStep(blastDirection);
    for (int i = 0; i < 3; ++i) {
        float across = static_cast<float>(i - 1) * TILE;
        if (IsHorizontal(blastDirection)) new Flame(x + step, y + across);
        else new Flame(x + across, y + step);
    }
}

// A lit gas is invisible: its picture lives on only in the particles.
void Gas::draw()
{
    if (!alive || fuseTimer > 0.0f) return;
    texture.Bind();
    DrawQuad(x, y, width, height);
}

void Gas::traceState(std::ostream& out) const
{
    out << ",\"fuse\":" << fuseTimer << ",\"blastDirection\":" << blastDirection;
}
