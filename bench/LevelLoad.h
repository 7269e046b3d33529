#pragma once
#include <string>

// Registers the benchmark LevelLoad/NAME: LevelManager::LoadLevel of the
// level file NAME under Data/Levels/, the objects of the last load
// deleted first, as when the player starts a level again.
void RegisterLevelLoad(const std::string& name);
