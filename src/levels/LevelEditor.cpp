#include <set>
#include "levels/EditorGrid.h"
#include "levels/LevelManager.h"
#include "objects/BaseObject.h"
#include "objects/BaseObjectFactory.h"
#include "objects/ToolZone.h"

namespace {
constexpr float PALETTE_START_X = 16.0f;
constexpr float PALETTE_START_Y = 48.0f;
constexpr float PALETTE_STEP = 32.0f;
constexpr float PALETTE_END_X = 768.0f;
}

// One object of every type that has a maker, along the bottom edge, all
// marked as palette tools. Only the objects made here become tools: level
// objects standing in the bottom rows stay ordinary, savable objects.
void LevelManager::BuildPalette()
{
    inputBlocked = true;
    std::set<BaseObject*> before;
    objectManager.forEach([&](BaseObject* o) { before.insert(o); });

    float x = PALETTE_START_X;
    float y = PALETTE_START_Y;
    for (ObjectType type : BaseObjectFactory::registeredTypes()) {
        BaseObjectFactory::createObject(type, x, y, this, nullptr);
        x += PALETTE_STEP;
        if (x > PALETTE_END_X) {
            y -= PALETTE_STEP;
            x = PALETTE_START_X;
        }
    }

    std::set<BaseObject*> made;
    objectManager.forEach([&](BaseObject* o) {
        if (!before.count(o)) made.insert(o);
    });
    new ToolZone(400, 32, 850, 64, made);
    inputBlocked = false;
}

bool LevelManager::HasPalette() const
{
    bool found = false;
    objectManager.forEach([&](BaseObject* o) { found = found || (o->isTool() && !o->isDead()); });
    return found;
}

void LevelManager::OnClick(int32_t button, int32_t x, int32_t y)
{
    if (inputBlocked || state != STATE_EDITOR) return;
    if (button == 2) {
        selected = nullptr;
        return;
    }
    if (button != 1) return;
    if (selected && y > PALETTE_TOP) {
        GridPoint g = SnapToGrid(x, y);
        selected->editAt(static_cast<float>(g.x), static_cast<float>(g.y));
    } else {
        selected = objectManager.objectAt(static_cast<float>(x), static_cast<float>(y));
    }
}
