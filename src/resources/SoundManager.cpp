#include "resources/SoundManager.h"

SoundManager* SoundManager::Instance()
{
    static SoundManager instance;
    return &instance;
}
