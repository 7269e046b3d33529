#pragma once
#include <cstdint>
#include "resources/Resource.h"

class SoundObject;

// What game code holds to play a sound by id. Never owns the sound.
class SoundHandle : public ResourceHandle {
public:
    explicit SoundHandle(uint32_t id);
    // Re-targets the handle, creating the sound if it is new.
    void SetSound(uint32_t id);
    // Starts the sound from the beginning, looping or not; silently nothing
    // when the handle is detached or the sound failed to load.
    void Play(bool loop);
    // Stops the sound at once; nothing when it is not playing.
    void Stop();
    SoundObject* GetSound() const { return IsValid() ? sound : nullptr; }

private:
    SoundObject* sound = nullptr;
};
