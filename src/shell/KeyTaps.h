#pragma once
#include <cstdint>
#include "shell/KeyState.h"

// Keeps quick taps from vanishing. Messages are pumped between frames, so a
// key pressed and released while one slow frame runs would be down for no
// frame at all and the game would never see it. A release that comes before
// any frame has seen the key down waits until the end of the next frame.
class KeyTaps {
public:
    void Press(KeyState& keys, uint8_t key);
    void Release(KeyState& keys, uint8_t key);
    // Applies the releases that waited, then copies down into previous.
    void EndFrame(KeyState& keys);
    void Clear();

private:
    uint8_t waiting[256] = {};
};
