#pragma once
#include <cstdint>
#include <string>

// A replay script of seeded random input for a soak: walking and held
// keys, firing, the global keys (N, S, P, E, C, M, F11; never Escape),
// clicks and the editor's keys, names typed at prompts (some of them
// reaching outside the level folder), focus changes and minimizing. The
// same seed always gives the same script, so a failing soak can be run
// again exactly.
std::string RandomReplayScript(uint64_t seed, uint32_t frames);
