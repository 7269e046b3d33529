#pragma once
#include <string>
#include <vector>

namespace soundgen {

// One finished sound: where it goes, relative to the data directory, and
// its file's bytes. Its place in the list is its sound id.
struct SoundFile {
    std::string dataName;
    std::string bytes;
};

// Reads flame.txt, shatter.txt and music.score from sourceDir and makes
// sound 0 (flame, WAV), 1 (shatter, WAV) and 2 (music, Ogg Vorbis), all in
// memory, so that a bad source leaves the data directory untouched.
bool MakeSounds(const std::string& sourceDir, std::vector<SoundFile>& sounds, std::string& error);

// Writes every sound under dataDir, then "sounds.txt" naming them by id.
bool WriteSounds(const std::string& dataDir, const std::vector<SoundFile>& sounds, std::string& error);

} // namespace soundgen
