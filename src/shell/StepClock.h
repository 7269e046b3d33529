#pragma once
#include <cstdint>

// Turns frame times into fixed steps of one hundredth of a second. Time
// that does not make a whole step carries over to the next frame.
class StepClock {
public:
    static constexpr float STEP_LENGTH = 1.0f / 100.0f;

    // Frame time in seconds: gaps above one second count as 1 ms, so a
    // stall never produces a burst of steps.
    static float FrameSeconds(uint32_t milliseconds);

    // Adds dt and returns how many whole steps are now due, taking them off.
    uint32_t Advance(float dt);
    float Accumulated() const { return accumulator; }

private:
    float accumulator = 0.0f;
};
