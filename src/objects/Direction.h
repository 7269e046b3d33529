#pragma once
#include <cstdint>

// Direction codes shared by the walkers, the beams and the gas.
enum Direction : int32_t {
    DIRECTION_LEFT = 0,   // x decreasing
    DIRECTION_RIGHT = 1,
    DIRECTION_UP = 2,     // y increasing
    DIRECTION_DOWN = 3,
};

inline bool IsDirection(int32_t code) { return code >= DIRECTION_LEFT && code <= DIRECTION_DOWN; }

inline bool IsHorizontal(int32_t direction)
{
    return direction == DIRECTION_LEFT || direction == DIRECTION_RIGHT;
}

// Moves (x, y) by `distance` along the direction; any other code stays put.
inline void Step(int32_t direction, float distance, float& x, float& y)
{
    switch (direction) {
    case DIRECTION_LEFT: x -= distance; break;
    case DIRECTION_RIGHT: x += distance; break;
    case DIRECTION_UP: y += distance; break;
    case DIRECTION_DOWN: y -= distance; break;
    default: break;
    }
}

// Left, up, right, down, left; any other code stays as it is.
inline int32_t TurnClockwise(int32_t direction)
{
    switch (direction) {
    case DIRECTION_LEFT: return DIRECTION_UP;
    case DIRECTION_UP: return DIRECTION_RIGHT;
    case DIRECTION_RIGHT: return DIRECTION_DOWN;
    case DIRECTION_DOWN: return DIRECTION_LEFT;
    default: return direction;
    }
}
