#pragma once
#include <cstdint>
#include <string>

namespace levelc {

// One record of a level file. Coordinates are kept as their bit patterns so
// that every float, -0 and NaN payloads included, survives unchanged.
struct LevelRecord {
    int32_t type = 0;
    uint32_t xBits = 0;
    uint32_t yBits = 0;
    uint32_t id = 0;         // switches
    uint32_t state = 0;      // switches
    int32_t direction = 0;   // zombie
    uint32_t switchId = 0;   // burner
    std::string name;        // elevator target, speech file
    bool nameTerminated = true;  // false: the name runs to the end of the file

    // Same object apart from its position.
    bool SameObject(const LevelRecord& other) const;
};

uint32_t FloatBits(float value);
float BitsFloat(uint32_t bits);

}  // namespace levelc
