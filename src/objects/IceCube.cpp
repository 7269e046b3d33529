#include "objects/IceCube.h"
#include <ostream>
#include <tuple>
#include "resources/GlCalls.h"
#include "resources/QuadDrawing.h"

namespace {
constexpr int32_t ICE_LAYER = 6;
constexpr uint32_t ICE_TEXTURE = 10;
constexpr uint32_t SHATTER_SOUND = 1;
// Past the melting time: the cube is gone at the next draw pass.
constexpr float GONE = 3.0f;
}

IceCube::IceCube(BaseObject* target)
    : BaseObject(0, 0, 0, 0, ICE_LAYER), texture(ICE_TEXTURE), sound(SHATTER_SOUND)
{
    BaseObjectMan::AddWatcher(this);
    ObjectType type = target->getType();
    if (type == WALL_TYPE || type == BLOCK_TYPE) {
        meltTime = GONE;
        return;
    }
    std::tie(x, y) = target->getPosition();
    width = target->getWidth();
    height = target->getHeight();
    if (type == FLAME_TYPE) return;
    target->freeze();
    encased = target;
}

IceCube::~IceCube()
{
    BaseObjectMan::RemoveWatcher(this);
    if (encased) encased->unfreeze();
}

void IceCube::objectDeleted(BaseObject* o)
{
    if (o == encased) encased = nullptr;
}

void IceCube::collide(BaseObject* other)
{
    ObjectType type = other->getType();
    if (type == LASER_TYPE || type == FREEZE_BEAM_TYPE) kill();
}

void IceCube::kill()
{
    sound.Play(false);
    meltTime = GONE;
}

void IceCube::draw()
{
    if (meltTime > MELT_TIME) return;
    GlCalls& gl = Gl();
    gl.color4f(1.0f, 1.0f, 1.0f, 0.5f);
    texture.Bind();
    DrawQuad(x, y, width, height);
    gl.color4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void IceCube::traceState(std::ostream& out) const
{
    out << ",\"meltTime\":" << meltTime << ",\"encased\":";
    if (encased) out << static_cast<int>(encased->getType());
    else out << "null";
}
