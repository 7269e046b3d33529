#include "shell/KeyTaps.h"
#include <cstring>

void KeyTaps::Press(KeyState& keys, uint8_t key)
{
    keys.down[key] = 1;
    waiting[key] = 0;
}

void KeyTaps::Release(KeyState& keys, uint8_t key)
{
    // Down now but up at the last frame's end: no frame has seen this press.
    if (keys.down[key] && !keys.previous[key]) {
        waiting[key] = 1;
        return;
    }
    keys.down[key] = 0;
}

// The waiting releases go first: such a key is up at the end of this frame,
// so a new tap before the next frame is a new press that frame can see.
void KeyTaps::EndFrame(KeyState& keys)
{
    for (int key = 0; key < 256; ++key) {
        if (!waiting[key]) continue;
        keys.down[key] = 0;
        waiting[key] = 0;
    }
    std::memcpy(keys.previous, keys.down, sizeof keys.down);
}

void KeyTaps::Clear()
{
    std::memset(waiting, 0, sizeof waiting);
}
