#include "objects/HitMeSwitch.h"
#include "resources/GlCalls.h"
#include "resources/QuadDrawing.h"

namespace {
constexpr float SIZE = 32.0f;
constexpr int32_t HIT_SWITCH_LAYER = 2;
constexpr uint32_t HIT_SWITCH_TEXTURE = 6;
}

HitMeSwitch::HitMeSwitch(float x, float y, LevelManager* levMan, std::istream* in)
    : Switch(x, y, SIZE, SIZE, HIT_SWITCH_LAYER, levMan, in), texture(HIT_SWITCH_TEXTURE)
{
}

// Grey when off, lit yellow when on.
void HitMeSwitch::draw()
{
    if (state == 0) Gl().color3f(0.5f, 0.5f, 0.5f);
    else Gl().color3f(1.0f, 1.0f, 0.1f);
    texture.Bind();
    DrawQuad(x, y, width, height);
    Gl().color3f(1.0f, 1.0f, 1.0f);
}

void HitMeSwitch::collide(BaseObject* other)
{
    if (other->getType() == LASER_TYPE) toggle();
}
