#include "objects/Zombie.h"
#include <ostream>
#include "objects/BinaryIo.h"
#include "objects/Direction.h"
#include "resources/QuadDrawing.h"
#include "resources/ScopedTransform.h"

namespace {
constexpr float SIZE = 32.0f;
constexpr int32_t ZOMBIE_LAYER = 3;
constexpr uint32_t ZOMBIE_TEXTURE = 19;
// The 2 x 2 sheet: facing down, facing up, then two steps sideways.
constexpr uint32_t FRAME_DOWN = 0;
constexpr uint32_t FRAME_UP = 1;
constexpr uint32_t FRAME_STEP = 2;
constexpr uint32_t FRAME_STRIDE = 3;
constexpr float SWAY_DEGREES = 15.0f;
}

Zombie::Zombie(float x, float y, std::istream* in)
    : Walker(x, y, SIZE, ZOMBIE_LAYER), texture(ZOMBIE_TEXTURE)
{
    if (in) direction = ReadI32(*in);
}

void Zombie::save(std::ostream& out) { WriteI32(out, direction); }

void Zombie::update(float dt, const KeyState*)
{
    animTime += dt;
    while (animTime > SWAY_CYCLE) animTime -= SWAY_CYCLE;
    walk(direction, SPEED, dt);
}

void Zombie::draw()
{
    texture.Bind();
    if (IsHorizontal(direction)) drawSideways();
    else drawSwaying();
}

// Two steps a cycle; walking left is walking right, mirrored.
void Zombie::drawSideways() const
{
    ScopedTransform mirrored(x, y, 0.0f, direction == DIRECTION_LEFT ? -1.0f : 1.0f, 1.0f);
    DrawFrame(animTime <= SWAY_CYCLE / 2 ? FRAME_STEP : FRAME_STRIDE, 2, 2, x, y, width, height);
}

// Walking up or down (or standing with a direction it does not know), the
// zombie sways from side to side twice a second.
void Zombie::drawSwaying() const
{
    float half = SWAY_CYCLE / 2;
    float t2 = animTime * animTime;
    float degrees = SWAY_DEGREES * (animTime <= half ? half - t2 : t2 - half);
    ScopedTransform swaying(x, y, degrees);
    DrawFrame(direction == DIRECTION_DOWN ? FRAME_DOWN : FRAME_UP, 2, 2, x, y, width, height);
}

void Zombie::editAt(float px, float py)
{
    editOrClick(px, py, nullptr, [this] { direction = static_cast<int32_t>(((int64_t{direction} + 1) % 4 + 4) % 4); });
}

void Zombie::traceState(std::ostream& out) const { out << ",\"direction\":" << direction; }
