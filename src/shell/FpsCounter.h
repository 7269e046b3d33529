#pragma once
#include <cstdint>

// Frames per second, counted over whole seconds of frame time. The frame
// that crosses a second counts towards the next one.
class FpsCounter {
public:
    void TickFps(float seconds);
    uint32_t GetFps() const { return fps; }

private:
    uint32_t frames = 0;
    float seconds = 0.0f;
    uint32_t fps = 0;
};
