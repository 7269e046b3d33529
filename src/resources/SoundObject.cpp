#include "resources/SoundObject.h"
#include "resources/SoundManager.h"
#include "resources/SoundSamples.h"
#include "shell/Shell.h"

SoundObject::SoundObject(uint32_t id) : id(id)
{
    SoundManager::Instance()->Register(this);
    Load();
}

SoundObject::~SoundObject()
{
    DeleteDeviceData();
    SoundManager::Instance()->Unregister(this);
}

void SoundObject::DeleteDeviceData()
{
    if (!loaded) return;
    alDeleteBuffers(1, &buffer);
    alDeleteSources(1, &source);
    loaded = false;
}

void SoundObject::Load()
{
    SoundManager* manager = SoundManager::Instance();
    if (!manager->IsEnabled()) return;
    DeleteDeviceData();
    const std::string name = manager->GetFileName(id);

    alGetError();  // an error left by someone else is not ours to report
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR) {
        ErrorBox("Error generating sound buffer: " + name);
        return;
    }
    if (!UploadSamples(name)) {
        alDeleteBuffers(1, &buffer);
        return;
    }
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) {
        ErrorBox("Error creating source: " + name);
        alDeleteBuffers(1, &buffer);
        return;
    }
    SetUpSource();
    loaded = true;
}

bool SoundObject::UploadSamples(const std::string& name)
{
    SoundSamples samples;
    SoundReadResult result = ReadSoundSamples(name, samples);
    if (result == SoundReadResult::ResourceMissing) {
        ErrorBox("Error loading sound from resource: " + name.substr(1));
        return false;
    }
    if (result == SoundReadResult::Read) {
        alBufferData(buffer, samples.format, samples.bytes.data(), static_cast<ALsizei>(samples.bytes.size()),
                     samples.frequency);
    }
    if (result == SoundReadResult::Unreadable || alGetError() != AL_NO_ERROR) {
        ErrorBox("Error loading sound: " + name);
        return false;
    }
    return true;
}

void SoundObject::SetUpSource()
{
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcef(source, AL_PITCH, 1.0f);
    alSourcef(source, AL_GAIN, 1.0f);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSource3f(source, AL_VELOCITY, 0.0f, 0.0f, 0.0f);
    alSourcei(source, AL_LOOPING, AL_FALSE);
    looping = false;
}

void SoundObject::SetLooping(bool loop)
{
    if (loop == looping) return;
    looping = loop;
    alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
}
