#include "shell/FpsCounter.h"

void FpsCounter::TickFps(float dt)
{
    frames += 1;
    seconds += dt;
    if (seconds > 1.0f) {
        fps = frames - 1;
        frames = 1;
        seconds -= 1.0f;
    }
}
