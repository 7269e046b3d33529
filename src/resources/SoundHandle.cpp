#include "resources/SoundHandle.h"
#include <AL/al.h>
#include "resources/SoundManager.h"
#include "resources/SoundObject.h"

SoundHandle::SoundHandle(uint32_t id) { SetSound(id); }

void SoundHandle::SetSound(uint32_t id)
{
    Release();
    sound = SoundManager::Instance()->GetSound(id);
    if (sound) Attach(sound);
}

void SoundHandle::Play(bool loop)
{
    if (!IsValid() || !sound->IsLoaded()) return;
    sound->SetLooping(loop);
    alSourcePlay(sound->GetSource());
    SoundManager::NotifyPlay(sound->GetId(), loop);
}

void SoundHandle::Stop()
{
    if (!IsValid() || !sound->IsLoaded()) return;
    alSourceStop(sound->GetSource());
}
