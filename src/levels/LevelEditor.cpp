#include <algorithm>
#include <set>
#include <vector>
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

    std::set<BaseObject*> made;
    float x = PALETTE_START_X;
    float y = PALETTE_START_Y;
    for (ObjectType type : BaseObjectFactory::registeredTypes()) {
        float width = PlaceOnPalette(type, x, y, before, made);
        x += width;
        if (x > PALETTE_END_X) {
            y -= PALETTE_STEP;
            x = PALETTE_START_X;
        }
    }
    new ToolZone(400, 32, 850, 64, made);
    inputBlocked = false;
}

// Makes the palette's object of one type in the slot at x and returns the
// room it takes. An object wider than a slot (the dragon) is made again
// with its left edge at the slot's, so that it covers none of the slot
// before it.
float LevelManager::PlaceOnPalette(ObjectType type, float x, float y, const std::set<BaseObject*>& before,
                                   std::set<BaseObject*>& made)
{
    auto makeAt = [&](float at) {
        BaseObjectFactory::createObject(type, at, y, this, nullptr);
        std::vector<BaseObject*> fresh;
        objectManager.forEach([&](BaseObject* o) {
            if (!before.count(o) && made.insert(o).second) fresh.push_back(o);
        });
        return fresh;
    };
    std::vector<BaseObject*> fresh = makeAt(x);
    float width = PALETTE_STEP;
    for (BaseObject* o : fresh) width = std::max(width, o->getWidth());
    if (width > PALETTE_STEP) {
        for (BaseObject* o : fresh) o->kill();
        makeAt(x + (width - PALETTE_STEP) / 2);
    }
    return width;
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
