#include "resources/SoundDevice.h"
#include <AL/al.h>
#include <AL/alut.h>

void SoundDevice::Open()
{
    device = alcOpenDevice("DirectSound3D");
    if (!device) {
        alcGetError(nullptr);  // forget the failed named open
        device = alcOpenDevice(nullptr);
    }
    if (!device) return;
    context = alcCreateContext(device, nullptr);
    alcMakeContextCurrent(context);
    if (!context || alcGetError(device) != ALC_NO_ERROR) return;
    PlaceListener();
    // The WAV reader needs ALUT initialised; the context is ours.
    alutReady = alutInitWithoutContext(nullptr, nullptr) == AL_TRUE;
}

void SoundDevice::PlaceListener()
{
    const ALfloat orientation[6] = {0.0f, 0.0f, -1.0f, 0.0f, 1.0f, 0.0f};  // along -z, up +y
    alListener3f(AL_POSITION, 0.0f, 0.0f, 0.0f);
    alListener3f(AL_VELOCITY, 0.0f, 0.0f, 0.0f);
    alListenerfv(AL_ORIENTATION, orientation);
    alDistanceModel(AL_NONE);
}

void SoundDevice::Close()
{
    if (alutReady) alutExit();
    alutReady = false;
    alcMakeContextCurrent(nullptr);
    if (context) alcDestroyContext(context);
    if (device) alcCloseDevice(device);
    context = nullptr;
    device = nullptr;
}
