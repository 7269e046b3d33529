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
    DeleteAllSounds();
    device.Close();
}

void SoundManager::DeleteAllSounds()
{
    for (auto it = sounds.begin(); it != sounds.end();) {
        SoundObject* s = it->second;
        ++it;  // the deletion unregisters s
        delete s;
    }
}

void SoundManager::Register(SoundObject* s)
{
    if (!s) {
        ErrorBox("Couldn't register sound!");
        return;
    }
    if (!sounds.emplace(s->GetId(), s).second) ErrorBox("Attempted to register pre-existing sound!");
}

void SoundManager::Unregister(SoundObject* s)
{
    if (!s) return;
    // A duplicate that was refused must not take the registered one's entry.
    auto it = sounds.find(s->GetId());
    if (it != sounds.end() && it->second == s) sounds.erase(it);
}

SoundObject* SoundManager::GetSound(uint32_t id)
{
    auto it = sounds.find(id);
    if (it != sounds.end()) return it->second;
    return new SoundObject(id);  // registers itself; owned by the resource manager
}

void SoundManager::LoadAll()
{
    enabled = true;
    for (auto& entry : sounds) entry.second->Load();
}

void SoundManager::SetPlayObserver(PlayObserver observer) { playObserver() = std::move(observer); }

void SoundManager::NotifyPlay(uint32_t id, bool loop)
{
    if (playObserver()) playObserver()(id, loop);
}
