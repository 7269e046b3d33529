#include "objects/PressureSwitch.h"
#include <ostream>
#include "objects/BaseObjectMan.h"
#include "resources/QuadDrawing.h"

namespace {
constexpr float SIZE = 32.0f;
constexpr int32_t PRESSURE_SWITCH_LAYER = 1;
constexpr uint32_t PRESSURE_SWITCH_TEXTURE = 22;
}

PressureSwitch::PressureSwitch(float x, float y, LevelManager* levMan, std::istream* in)
    : Switch(x, y, SIZE, SIZE, PRESSURE_SWITCH_LAYER, levMan, in), texture(PRESSURE_SWITCH_TEXTURE)
{
}

// Frame 0 (left) off, frame 1 (right) on; a file may hold any non-zero
// state for on.
void PressureSwitch::draw()
{
    texture.Bind();
    DrawFrame(state != 0 ? 1 : 0, 2, 1, x, y, width, height);
}

// Every step the plate feels for what stands on it. Each object on it
// counts a press; the count runs down one a step, so with k objects on the
// plate at once it grows by k - 1 a step and the plate stays on that many
// steps after they leave.
void PressureSwitch::update(float, const KeyState*)
{
    BaseObjectMan().collideWithAll(this);
    if (pressCount == 0) state = 0;
    else pressCount -= 1;
}

void PressureSwitch::collide(BaseObject* other)
{
    ObjectType type = other->getType();
    if (!other->isSolid() || type == LASER_TYPE || type == FREEZE_BEAM_TYPE) return;
    state = 1;
    pressCount += 1;
}

void PressureSwitch::traceState(std::ostream& out) const
{
    Switch::traceState(out);
    out << ",\"pressCount\":" << pressCount;
}
