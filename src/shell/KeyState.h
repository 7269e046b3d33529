#pragma once
#include <cstdint>

// The keyboard as the game sees it: one byte per Windows virtual-key code.
// A key is pressed in a frame when it is down now and was not down at the
// end of the previous frame.
struct KeyState {
    uint8_t down[256];
    uint8_t previous[256];

    bool IsDown(uint8_t key) const { return down[key] != 0; }
    bool IsPressed(uint8_t key) const { return down[key] != 0 && previous[key] == 0; }
};
