#pragma once
#include <cstdint>

// Smooth value noise in [0, 1] for the painted textures. With a period,
// the noise repeats every `period` units in x and y, so a tile painted with
// it joins its neighbours without a seam.
float ValueNoise(float x, float y, uint32_t seed, int period = 0);

// Several octaves of value noise, each half the size and half the weight
// of the one before; still in [0, 1].
float LayeredNoise(float x, float y, uint32_t seed, int octaves, int period = 0);
