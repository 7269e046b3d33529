#pragma once

// Runs a timer of whole 0.01 s steps down to exactly 0. Steps of 0.01 s do
// not add up exactly in single precision: what is left after the last
// whole step is a rounding residue far below a step, and counts as 0.
inline void CountDown(float& timer, float dt)
{
    constexpr float ROUNDING_RESIDUE = 1e-4f;
    timer -= dt;
    if (timer < ROUNDING_RESIDUE) timer = 0.0f;
}
