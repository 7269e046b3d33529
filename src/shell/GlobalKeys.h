#pragma once
#include <cstdint>

struct KeyState;

// The one action of the level keys (C, N, S, E, P) that acts in a frame:
// the first of them pressed, and none while a prompt takes typing.
enum class LevelKeyAction { None, ClearObjects, RestartLevel, SaveGame, EditLevels, PlayLevels };

LevelKeyAction ChooseLevelKeyAction(const KeyState& keys, uint32_t levelState);
