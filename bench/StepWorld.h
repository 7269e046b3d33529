#pragma once
#include <cstddef>

class LevelManager;

// Fills the world with exactly `count` objects in the mix of a busy level:
// pens of 6 x 6 tiles, each walled all round (one wall a hit switch) with
// floors inside, a zombie pacing it, a block, gas, a sealed and a broken
// nitrogen can, a placed flame, a pressure plate and a burner tied to the
// switch, which is off. Nothing in it dies or multiplies, so every step of
// it costs alike. The last pen may be cut short.
void BuildStepWorld(LevelManager& levman, size_t count);
