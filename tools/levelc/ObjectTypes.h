#pragma once
#include <cstdint>
#include <string>

namespace levelc {

// What a record carries after its 12-byte common part.
enum class PayloadKind {
    None,        // nothing
    Switch,      // id u32, state u32
    Direction,   // direction i32
    SwitchLink,  // id of the switch that drives the object, u32
    Name,        // file name bytes ended by one zero byte
};

struct TypeInfo {
    int32_t value;
    const char* name;  // the word that names the type in level sources
    int drawLayer;
    PayloadKind payload;
};

// The entry for a type value, or nullptr for values the game has no class for.
const TypeInfo* FindType(int32_t value);
// The entry for a source word, or nullptr.
const TypeInfo* FindTypeByName(const std::string& name);

PayloadKind PayloadOf(int32_t type);
// Draw layer used for ordering; values without a class sort after all others.
int DrawLayerOf(int32_t type);

}  // namespace levelc
