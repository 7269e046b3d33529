#include "shell/StepClock.h"

float StepClock::FrameSeconds(uint32_t ms)
{
    if (ms > 1000) ms = 1;
    return static_cast<float>(ms) * 0.001f;
}

uint32_t StepClock::Advance(float dt)
{
    accumulator += dt;
    uint32_t steps = 0;
    while (accumulator >= STEP_LENGTH) {
        accumulator -= STEP_LENGTH;
        ++steps;
    }
    return steps;
}
