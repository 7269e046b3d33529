#include "levels/LevelRecords.h"
#include <cstring>
#include "objects/ObjectType.h"

namespace {

uint32_t ReadU32(const std::string& bytes, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
    return v;
}

float ReadF32(const std::string& bytes, size_t at)
{
    uint32_t bits = ReadU32(bytes, at);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

size_t FixedPayload(uint32_t type)
{
    switch (type) {
    case HIT_SWITCH_TYPE:
    case PRESSURE_SWITCH_TYPE: return 8;
    case ZOMBIE_TYPE:
    case BURNER_TYPE: return 4;
    default: return 0;
    }
}

bool HasNamePayload(uint32_t type) { return type == ELEVATOR_TYPE || type == TEXT_TYPE; }

} // namespace

size_t PayloadLength(uint32_t type, const std::string& bytes, size_t offset)
{
    if (HasNamePayload(type)) {
        size_t zero = bytes.find('\0', offset);
        return zero == std::string::npos ? bytes.size() - offset : zero - offset + 1;
    }
    size_t fixed = FixedPayload(type);
    return offset + fixed <= bytes.size() ? fixed : SIZE_MAX;
}

std::vector<LevelRecord> SplitLevelRecords(const std::string& bytes)
{
    constexpr size_t COMMON = 12;
    std::vector<LevelRecord> records;
    size_t at = 0;
    while (at + COMMON <= bytes.size()) {
        LevelRecord r{ReadU32(bytes, at), ReadF32(bytes, at + 4), ReadF32(bytes, at + 8), {}};
        size_t length = PayloadLength(r.type, bytes, at + COMMON);
        if (length == SIZE_MAX) break;
        r.payload = bytes.substr(at + COMMON, length);
        records.push_back(std::move(r));
        at += COMMON + length;
    }
    return records;
}
