#include "Generator.h"
#include <filesystem>
#include <fstream>
#include <sstream>
#include "Effects.h"
#include "MusicRenderer.h"
#include "OggWriter.h"
#include "Pcm.h"
#include "ScoreParser.h"
#include "WavWriter.h"
#include "resources/WholeFile.h"

namespace soundgen {

namespace {

const int MUSIC_RATE = 44100;
const float MUSIC_QUALITY = 0.3f;
const unsigned MUSIC_SEED = 7;

bool ReadSource(const std::string& path, std::string& text, std::string& error)
{
    if (ReadWholeFile(path, text)) return true;
    error = "cannot read " + path;
    return false;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes, std::string& error)
{
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

} // namespace

bool MakeSounds(const std::string& sourceDir, std::vector<SoundFile>& sounds, std::string& error)
{
    const std::filesystem::path dir(sourceDir);
    const std::string flamePath = (dir / "flame.txt").string(), shatterPath = (dir / "shatter.txt").string();
    const std::string scorePath = (dir / "music.score").string();
    std::string flameText, shatterText, scoreText;
    FlameParams flame;
    ShatterParams shatter;
    Score score;
    if (!ReadSource(flamePath, flameText, error) || !ReadFlameParams(flameText, flamePath, flame, error) ||
        !ReadSource(shatterPath, shatterText, error) || !ReadShatterParams(shatterText, shatterPath, shatter, error) ||
        !ReadSource(scorePath, scoreText, error) || !ParseScore(scoreText, scorePath, score, error))
        return false;
    std::string music;
    if (!EncodeOgg(RenderScore(score, MUSIC_RATE, MUSIC_SEED), MUSIC_RATE, MUSIC_QUALITY, music, error))
        return false;
    sounds = {
        {"Data/Sounds/flame.wav", MakeWav(ToPcm16(SynthFlame(flame)), EFFECT_RATE)},
        {"Data/Sounds/shatter.wav", MakeWav(ToPcm16(SynthShatter(shatter)), EFFECT_RATE)},
        {"Data/Sounds/music.ogg", music},
    };
    return true;
}

bool WriteSounds(const std::string& dataDir, const std::vector<SoundFile>& sounds, std::string& error)
{
    const std::filesystem::path dir(dataDir);
    std::string list;
    for (const SoundFile& sound : sounds) {
        if (!WriteFile(dir / sound.dataName, sound.bytes, error)) return false;
        list += sound.dataName + "\n";
    }
    return WriteFile(dir / "sounds.txt", list, error);
}

} // namespace soundgen
