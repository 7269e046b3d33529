#pragma once
#include <AL/alc.h>

// The OpenAL device and context every sound plays through. No 3D: the
// listener sits at the origin and distance does not attenuate.
class SoundDevice {
public:
    // Tries the "DirectSound3D" device first and falls back to the default
    // one. A failure is silent: each later sound load reports its own error.
    void Open();
    // Unsets and destroys the context, then closes the device. Every buffer
    // and source must already be deleted.
    void Close();
    bool IsOpen() const { return context != nullptr; }

private:
    void PlaceListener();

    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    bool alutReady = false;
};
