#include "ObjectTypes.h"
#include <climits>
#include <iterator>

namespace levelc {
namespace {

// Every value the game's type enumeration has, with the draw layer of its class.
const TypeInfo TYPES[] = {
    {0, "floor", 1, PayloadKind::None},
    {1, "wall", 2, PayloadKind::None},
    {3, "block", 2, PayloadKind::None},
    {4, "hit-switch", 2, PayloadKind::Switch},
    {5, "player", 5, PayloadKind::None},
    {6, "laser", 6, PayloadKind::None},
    {7, "gas", 2, PayloadKind::None},
    {8, "flame", 3, PayloadKind::None},
    {9, "freeze-beam", 6, PayloadKind::None},
    {10, "ice-cube", 6, PayloadKind::None},
    {12, "nitrogen", 2, PayloadKind::None},
    {13, "broken-nitrogen", 2, PayloadKind::None},
    {14, "elevator", 6, PayloadKind::Name},
    {15, "tool-zone", 0, PayloadKind::None},
    {16, "zombie", 3, PayloadKind::Direction},
    {17, "pressure-switch", 1, PayloadKind::Switch},
    {19, "burner", 1, PayloadKind::SwitchLink},
    {20, "dragon", 5, PayloadKind::None},
    {21, "text", 3, PayloadKind::Name},
};

}  // namespace

const TypeInfo* FindType(int32_t value)
{
    for (const TypeInfo& t : TYPES)
        if (t.value == value)
            return &t;
    return nullptr;
}

const TypeInfo* FindTypeByName(const std::string& name)
{
    for (const TypeInfo& t : TYPES)
        if (name == t.name)
            return &t;
    return nullptr;
}

PayloadKind PayloadOf(int32_t type)
{
    const TypeInfo* t = FindType(type);
    return t ? t->payload : PayloadKind::None;
}

int DrawLayerOf(int32_t type)
{
    const TypeInfo* t = FindType(type);
    return t ? t->drawLayer : INT_MAX;
}

}  // namespace levelc
