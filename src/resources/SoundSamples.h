#pragma once
#include <AL/al.h>
#include <string>
#include <vector>

// A whole sound decoded to PCM, ready for one OpenAL buffer.
struct SoundSamples {
    ALenum format = 0;
    ALsizei frequency = 0;
    std::vector<char> bytes;
};

enum class SoundReadResult {
    Read,
    ResourceMissing,  // a star WAV whose embedded resource could not be had
    Unreadable,       // missing file, or not a sound the reader understands
};

// A name is Ogg Vorbis when the three letters right after its first dot
// are "ogg" (lower case; anything may follow). Everything else is WAV.
bool IsOggName(const std::string& name);

// Decodes the data name as Ogg Vorbis (always from disk) or WAV (disk, or
// "*name.type" for an embedded resource), by IsOggName.
SoundReadResult ReadSoundSamples(const std::string& name, SoundSamples& samples);
