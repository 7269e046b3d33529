#include "LevelRecord.h"
#include "ObjectTypes.h"
#include <cstring>

namespace levelc {

bool LevelRecord::SameObject(const LevelRecord& other) const
{
    if (type != other.type)
        return false;
    switch (PayloadOf(type)) {
    case PayloadKind::Switch: return id == other.id && state == other.state;
    case PayloadKind::Direction: return direction == other.direction;
    case PayloadKind::SwitchLink: return switchId == other.switchId;
    case PayloadKind::Name: return name == other.name && nameTerminated == other.nameTerminated;
    case PayloadKind::None: break;
    }
    return true;
}

uint32_t FloatBits(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float BitsFloat(uint32_t bits)
{
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace levelc
