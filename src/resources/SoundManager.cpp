#include "resources/SoundManager.h"
#include "resources/ResourceManager.h"
#include "resources/SoundObject.h"
#include "shell/Shell.h"

namespace {
SoundManager::PlayObserver& playObserver()
{
    static SoundManager::PlayObserver observer;
    return observer;
}
}  // namespace

SoundManager* SoundManager::Instance()
{
    static SoundManager instance;
    return &instance;
}

SoundManager::SoundManager()
{
    // Sounds our destructor deletes unlink themselves from the resource
    // manager, so it must be built first and therefore destroyed after us.
    ResourceManager::Instance();
    device.Open();
}

SoundManager::~SoundManager()
{
    sounds.DeleteAll();
    device.Close();
}

void SoundManager::LoadAll()
{
    enabled = true;
    sounds.LoadAll();
}

void SoundManager::SetPlayObserver(PlayObserver observer) { playObserver() = std::move(observer); }

void SoundManager::NotifyPlay(uint32_t id, bool loop)
{
    if (playObserver()) playObserver()(id, loop);
}
