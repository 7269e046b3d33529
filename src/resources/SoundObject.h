#pragma once
#include <AL/al.h>
#include <cstdint>
#include <string>
#include "resources/Resource.h"

// One sound of the list: its whole PCM in one OpenAL buffer, played by one
// source of its own, so playing it again restarts it.
class SoundObject : public Resource {
public:
    // Registers with the sound registry and loads at once if it is enabled.
    explicit SoundObject(uint32_t id);
    ~SoundObject() override;
    void Load() override;

    // Touches the source only when the looping state changes.
    void SetLooping(bool loop);
    bool IsLoaded() const { return loaded; }
    uint32_t GetId() const { return id; }
    ALuint GetSource() const { return source; }

private:
    void DeleteDeviceData();
    bool UploadSamples(const std::string& name);
    void SetUpSource();

    uint32_t id;
    ALuint buffer = 0;
    ALuint source = 0;
    bool looping = false;
    bool loaded = false;
};
