#include "objects/ToolZone.h"
#include "objects/BaseObjectMan.h"

namespace {
constexpr int32_t TOOL_ZONE_LAYER = 0;
}

ToolZone::ToolZone(float x, float y, float width, float height, const std::set<BaseObject*>& eligible)
    : BaseObject(x, y, width, height, TOOL_ZONE_LAYER), eligible(eligible)
{
    BaseObjectMan().collideWithAll(this);
    kill();
}

void ToolZone::collide(BaseObject* other)
{
    if (eligible.count(other)) other->setTool();
}
