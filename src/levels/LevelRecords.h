#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One record of a level file: the common part and the payload bytes that
// follow it, exactly as stored.
struct LevelRecord {
    uint32_t type;
    float x;
    float y;
    std::string payload;
};

// Splits a level file into whole records. A record cut short by the end of
// the file is dropped rather than padded with invented values; a name
// payload may run to the end of the file, and keeps what is there.
std::vector<LevelRecord> SplitLevelRecords(const std::string& bytes);

// The payload length of a record of this type starting at offset, or
// SIZE_MAX when the file ends before a fixed-size payload does.
size_t PayloadLength(uint32_t type, const std::string& bytes, size_t offset);
