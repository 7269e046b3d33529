#include "StepWorld.h"
#include <cmath>
#include <sstream>
#include "levels/LevelManager.h"
#include "objects/BaseObjectFactory.h"
#include "objects/BaseObjectMan.h"
#include "objects/BinaryIo.h"
#include "objects/Direction.h"

namespace {

constexpr int PEN = 6;
constexpr float TILE = 32.0f;

struct PenObject {
    ObjectType type;
    int column, row;  // tiles inside the pen
};

// One pen's contents, bottom layers first.
std::vector<PenObject> PenContents()
{
    std::vector<PenObject> pen;
    for (int r = 0; r < PEN; ++r)
        for (int c = 0; c < PEN; ++c) {
            bool edge = r == 0 || c == 0 || r == PEN - 1 || c == PEN - 1;
            if (!edge) pen.push_back({FLOOR_TYPE, c, r});
            else if (!(c == 0 && r == 3)) pen.push_back({WALL_TYPE, c, r});
        }
    pen.push_back({HIT_SWITCH_TYPE, 0, 3});
    pen.push_back({PRESSURE_SWITCH_TYPE, 2, 4});
    pen.push_back({BURNER_TYPE, 3, 1});
    pen.push_back({BLOCK_TYPE, 3, 3});
    pen.push_back({GAS_TYPE, 1, 4});
    pen.push_back({NITROGEN_TYPE, 4, 4});
    pen.push_back({BROKEN_NITROGEN_TYPE, 4, 1});
    pen.push_back({FLAME_TYPE, 2, 1});
    pen.push_back({ZOMBIE_TYPE, 1, 2});
    return pen;
}

// The record payload a level file would give the object.
std::string Payload(ObjectType type, uint32_t pen)
{
    std::ostringstream out;
    switch (type) {
    case HIT_SWITCH_TYPE:
        WriteU32(out, 2 * pen);
        WriteU32(out, 0);
        break;
    case PRESSURE_SWITCH_TYPE:
        WriteU32(out, 2 * pen + 1);
        WriteU32(out, 0);
        break;
    case BURNER_TYPE: WriteU32(out, 2 * pen); break;
    case ZOMBIE_TYPE: WriteI32(out, DIRECTION_RIGHT); break;
    default: break;
    }
    return out.str();
}

} // namespace

void BuildStepWorld(LevelManager& levman, size_t count)
{
    const std::vector<PenObject> pen = PenContents();
    const size_t pens = (count + pen.size() - 1) / pen.size();
    const size_t columns = size_t(std::ceil(std::sqrt(double(pens))));
    BaseObjectMan objects;
    for (size_t p = 0; objects.count() < count; ++p) {
        float left = float(p % columns) * PEN * TILE;
        float bottom = float(p / columns) * PEN * TILE + 28.0f;
        for (const PenObject& o : pen) {
            if (objects.count() >= count) break;
            std::istringstream payload(Payload(o.type, uint32_t(p)));
            BaseObjectFactory::createObject(o.type, left + o.column * TILE, bottom + o.row * TILE, &levman, &payload);
        }
    }
}
