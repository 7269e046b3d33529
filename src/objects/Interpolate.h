#pragma once

// The point a fraction p of the way from `from` to `to`. Written as a step
// from `from` so that an axis that does not move stays exactly where it is:
// the blend from * (1 - p) + to * p can be off by a rounding step even
// when from equals to, which is enough for a walker passing a neighbouring
// block to touch it.
inline float Interpolate(float from, float to, float p) { return from + (to - from) * p; }
