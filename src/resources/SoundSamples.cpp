#include "resources/SoundSamples.h"
#include "resources/WavCheck.h"
#include <AL/alut.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include "resources/DataName.h"

// The header's default callbacks are unused statics here.
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

namespace {

constexpr int OGG_PIECE_BYTES = 32768;

bool DecodeOgg(const std::string& path, SoundSamples& samples)
{
    // ov_open would crash on a null file, and leaves the file to us when it
    // fails; once it succeeds ov_clear closes it.
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    OggVorbis_File vorbisFile;
    if (ov_open(file, &vorbisFile, nullptr, 0) != 0) {
        std::fclose(file);
        return false;
    }
    const vorbis_info* info = ov_info(&vorbisFile, -1);
    if (!info) {
        ov_clear(&vorbisFile);
        return false;
    }
    samples.format = info->channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    samples.frequency = static_cast<ALsizei>(info->rate);
    char piece[OGG_PIECE_BYTES];
    int bitstream = 0;
    for (;;) {
        long got = ov_read(&vorbisFile, piece, OGG_PIECE_BYTES, 0, 2, 1, &bitstream);  // 16-bit signed LE
        if (got <= 0) break;
        samples.bytes.insert(samples.bytes.end(), piece, piece + got);
    }
    ov_clear(&vorbisFile);
    return true;
}

// ALUT hands back a malloc'd block; keep a copy and free it.
bool TakeAlutSamples(void* data, ALenum format, ALsizei size, ALfloat frequency, SoundSamples& samples)
{
    if (!data) return false;
    const char* bytes = static_cast<const char*>(data);
    samples.format = format;
    samples.frequency = static_cast<ALsizei>(std::lround(frequency));
    samples.bytes.assign(bytes, bytes + size);
    std::free(data);
    return true;
}

SoundReadResult ReadWav(const std::string& name, SoundSamples& samples)
{
    std::string bytes;
    if (!name.empty() && name[0] == '*') {
        std::stringstream stream;
        if (!LoadResourceStream(stream, name.substr(1))) return SoundReadResult::ResourceMissing;
        bytes = stream.str();
    } else if (!ReadDataName(name, bytes)) {
        return SoundReadResult::Unreadable;
    }
    // The reader believes the sizes in the file, so a file cut short would
    // lead it past the end of the block: such files are refused first.
    if (!IsWholeWav(bytes)) return SoundReadResult::Unreadable;
    ALenum format = 0;
    ALsizei size = 0;
    ALfloat frequency = 0.0f;
    void* data = alutLoadMemoryFromFileImage(bytes.data(), static_cast<ALsizei>(bytes.size()), &format, &size,
                                             &frequency);
    return TakeAlutSamples(data, format, size, frequency, samples) ? SoundReadResult::Read
                                                                   : SoundReadResult::Unreadable;
}

}  // namespace

bool IsOggName(const std::string& name)
{
    size_t dot = name.find('.');
    return dot != std::string::npos && name.compare(dot + 1, 3, "ogg") == 0;
}

SoundReadResult ReadSoundSamples(const std::string& name, SoundSamples& samples)
{
    if (IsOggName(name)) return DecodeOgg(name, samples) ? SoundReadResult::Read : SoundReadResult::Unreadable;
    return ReadWav(name, samples);
}
