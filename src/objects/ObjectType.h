#pragma once
#include <cstdint>

// The kinds of world object. The values are stored as 32-bit integers in
// level files, so they never change; 2, 11 and 18 are unused.
enum ObjectType : int32_t {
    FLOOR_TYPE = 0,
    WALL_TYPE = 1,
    BLOCK_TYPE = 3,
    HIT_SWITCH_TYPE = 4,
    PLAYER_TYPE = 5,
    LASER_TYPE = 6,
    GAS_TYPE = 7,
    FLAME_TYPE = 8,
    FREEZE_BEAM_TYPE = 9,
    ICE_CUBE_TYPE = 10,
    NITROGEN_TYPE = 12,
    BROKEN_NITROGEN_TYPE = 13,
    ELEVATOR_TYPE = 14,
    TOOL_ZONE_TYPE = 15,
    ZOMBIE_TYPE = 16,
    PRESSURE_SWITCH_TYPE = 17,
    BURNER_TYPE = 19,
    DRAGON_TYPE = 20,
    TEXT_TYPE = 21,
};
