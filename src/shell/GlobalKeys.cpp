#include "shell/GlobalKeys.h"
#include "shell/KeyState.h"

namespace {
// Level manager states from 3 on are its text prompts.
constexpr uint32_t FIRST_PROMPT_STATE = 3;
}

LevelKeyAction ChooseLevelKeyAction(const KeyState& keys, uint32_t levelState)
{
    if (levelState >= FIRST_PROMPT_STATE) return LevelKeyAction::None;
    if (keys.IsPressed('C')) return LevelKeyAction::ClearObjects;
    if (keys.IsPressed('N')) return LevelKeyAction::RestartLevel;
    if (keys.IsPressed('S')) return LevelKeyAction::SaveGame;
    if (keys.IsPressed('E')) return LevelKeyAction::EditLevels;
    if (keys.IsPressed('P')) return LevelKeyAction::PlayLevels;
    return LevelKeyAction::None;
}
