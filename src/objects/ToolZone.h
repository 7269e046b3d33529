#pragma once
#include <set>
#include "objects/BaseObject.h"

// An invisible strip of the level editor: made over the palette, it marks
// the palette's objects under it as tools and removes itself at once.
class ToolZone : public BaseObject {
public:
    // Only the objects in eligible become tools, so that level objects
    // standing under the strip stay ordinary objects that are saved.
    ToolZone(float x, float y, float width, float height, const std::set<BaseObject*>& eligible);

    ObjectType getType() const override { return TOOL_ZONE_TYPE; }
    void collide(BaseObject* other) override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return false; }
    bool isSolid() const override { return true; }
    void kill() override { alive = false; }

private:
    const std::set<BaseObject*>& eligible;
    bool alive = true;
};
