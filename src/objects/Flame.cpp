#include "objects/Flame.h"
#include <ostream>
#include "resources/QuadDrawing.h"

namespace {
constexpr float SIZE = 32.0f;
constexpr int32_t FLAME_LAYER = 3;
constexpr uint32_t FLAME_TEXTURE = 8;
constexpr uint32_t FLAME_SOUND = 0;
}

Flame::Flame(float x, float y)
    : BaseObject(x, y, SIZE, SIZE, FLAME_LAYER), texture(FLAME_TEXTURE), sound(FLAME_SOUND)
{
}

// Each update uses up one ignition event, as each contact does.
void Flame::update(float dt, const KeyState*)
{
    if (!alive) return;
    animTime += dt;
    while (animTime >= ANIMATION_CYCLE) animTime -= ANIMATION_CYCLE;
    if (igniteSteps > 0) --igniteSteps;
}

bool Flame::isFireProof(ObjectType type)
{
    return type == WALL_TYPE || type == BLOCK_TYPE || type == NITROGEN_TYPE || type == BROKEN_NITROGEN_TYPE ||
           type == DRAGON_TYPE;
}

void Flame::collide(BaseObject* other)
{
    ObjectType type = other->getType();
    if (type == ICE_CUBE_TYPE) kill();
    if (igniteSteps == 0) return;
    if (isFireProof(type)) {
        kill();
    } else {
        other->kill();
        sound.Play(false);
    }
    --igniteSteps;
}

// Frames 0, 1, 2, 3, 2, 1 over the cycle.
uint32_t Flame::frame() const
{
    if (animTime > 1.0f) return 1;
    if (animTime > 0.8f) return 2;
    if (animTime > 0.6f) return 3;
    if (animTime > 0.4f) return 2;
    if (animTime > 0.2f) return 1;
    return 0;
}

void Flame::draw()
{
    if (!alive) return;
    texture.Bind();
    DrawFrame(frame(), 2, 2, x, y, width, height);
}

void Flame::traceState(std::ostream& out) const { out << ",\"igniteSteps\":" << igniteSteps; }
