#include "objects/Dragon.h"
#include <cmath>
#include <ostream>
#include "levels/LevelManager.h"
#include "objects/Direction.h"
#include "objects/Flame.h"
#include "resources/GlCalls.h"
#include "resources/QuadDrawing.h"
#include "resources/ScopedTransform.h"
#include "shell/Assertion.h"

namespace {
constexpr float SIZE = 64.0f;
constexpr float TILE = 32.0f;
constexpr int32_t DRAGON_LAYER = 5;
constexpr uint32_t DRAGON_TEXTURE = 23;
constexpr uint32_t FRAME_WALKING = 0;
constexpr uint32_t FRAME_BREATHING = 2;
// The mouth is this far above the centre when the dragon faces sideways.
constexpr float MOUTH_RAISE = 4.0f;
// The player counts as in line within about 8 degrees of a row or column.
constexpr float IN_LINE = 0.99f;
constexpr int BREATH_REACH[] = {2, 3, 4};

// The tile grid: columns at multiples of 32, rows at 28 + 32k.
float GridX(float v) { return TILE * std::trunc((v + TILE / 2) / TILE); }
float GridY(float v) { return TILE * std::trunc((v - 28.0f + TILE / 2) / TILE) + 28.0f; }
}

Dragon::Dragon(float x, float y, LevelManager* levman)
    : Walker(x, y, SIZE, DRAGON_LAYER), texture(DRAGON_TEXTURE), levelManager(levman)
{
}

void Dragon::update(float dt, const KeyState*)
{
    VK_ASSERT(levelManager != 0, "objects");
    auto [px, py] = levelManager->GetPlayerPosition();
    if (!breathing) aimAt(px, py);
    if (breathTimer == 0.0f) {
        if (playerInLine(px, py)) startBreath();
    } else {
        breathTimer -= dt;
        if (breathTimer < 0.0f) endBreath();
    }
    if (!breathing) walk(moveDirection, SPEED, dt);
}

// The head turns along the axis on which the player is farther away.
void Dragon::aimAt(float px, float py)
{
    float dx = px - x;
    float dy = py - y;
    if (std::fabs(dy) < std::fabs(dx)) facing = dx > 0 ? DIRECTION_RIGHT : DIRECTION_LEFT;
    else facing = dy > 0 ? DIRECTION_UP : DIRECTION_DOWN;
}

// A player on the dragon's own centre has no direction and is never in line.
bool Dragon::playerInLine(float px, float py) const
{
    float ux = x - px;
    float uy = y - py;
    float length = std::sqrt(ux * ux + uy * uy);
    if (length == 0.0f) return false;
    return std::fabs(ux / length) > IN_LINE || std::fabs(uy / length) > IN_LINE;
}

void Dragon::tileAhead(int k, float raise, float& tx, float& ty) const
{
    float step = facing == DIRECTION_RIGHT || facing == DIRECTION_UP ? TILE : -TILE;
    if (IsHorizontal(facing)) {
        tx = GridX(x + k * step);
        ty = GridY(y + raise);
    } else {
        tx = GridX(x);
        ty = GridY(y + k * step);
    }
}

// Three fire streams from the mouth to the tiles 2, 3 and 4 ahead.
void Dragon::startBreath()
{
    breathTimer = BREATH_TIME;
    breathing = true;
    float mouthX = x, mouthY = y;
    if (IsHorizontal(facing)) {
        mouthX += facing == DIRECTION_RIGHT ? width / 2 : -width / 2;
        mouthY += MOUTH_RAISE;
    } else {
        mouthY += facing == DIRECTION_UP ? height / 2 : -height / 2;
    }
    ParticleSystem& particles = levelManager->GetParticles();
    for (int k : BREATH_REACH) {
        float tx, ty;
        tileAhead(k, MOUTH_RAISE, tx, ty);
        particles.EmitStream(mouthX, mouthY, tx - mouthX, ty - mouthY, Flame::STREAM_START_COLOUR,
                             Flame::STREAM_END_COLOUR);
    }
}

// The fire comes up on the tiles the streams aimed at, whatever lies
// between; the rows are taken from the dragon's centre.
void Dragon::endBreath()
{
    breathTimer = 0.0f;
    breathing = false;
    for (int k : BREATH_REACH) {
        float tx, ty;
        tileAhead(k, 0.0f, tx, ty);
        new Flame(tx, ty);
    }
}

void Dragon::collide(BaseObject* other)
{
    switch (other->getType()) {
    case FREEZE_BEAM_TYPE:
        brightness -= HIT_DAMAGE;
        if (brightness < 0.0f) {
            alive = false;
            levelManager->SetState(STATE_CREDITS);
        }
        break;
    case FLAME_TYPE:
        other->kill();
        break;
    default:
        bounceOff(*other, moveDirection);
        break;
    }
}

// Darker with every hit; facing right is facing left, mirrored.
void Dragon::draw()
{
    if (!alive) return;
    GlCalls& gl = Gl();
    gl.color3f(brightness, brightness, brightness);
    texture.Bind();
    {
        ScopedTransform mirrored(x, y, 0.0f, facing == DIRECTION_RIGHT ? -1.0f : 1.0f, 1.0f);
        DrawFrame(breathing ? FRAME_BREATHING : FRAME_WALKING, 2, 2, x, y, width, height);
    }
    gl.color3f(1.0f, 1.0f, 1.0f);
}

void Dragon::traceState(std::ostream& out) const
{
    out << ",\"brightness\":" << brightness << ",\"breathing\":" << (breathing ? "true" : "false")
        << ",\"facing\":" << facing << ",\"moveDirection\":" << moveDirection << ",\"breathTimer\":" << breathTimer;
}
