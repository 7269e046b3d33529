#include <AL/alut.h>
#include <gtest/gtest.h>
#include <cstring>
#include "Pcm.h"
#include "SoundReading.h"
#include "WavWriter.h"

using namespace soundgen;

namespace {

uint32_t Field(const std::string& bytes, size_t at, int size)
{
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
    return v;
}

} // namespace

TEST(WavWriter, WritesTheCanonicalHeaderAndLittleEndianSamples)
{
    std::string wav = MakeWav({0, 1, -1, 32767, -32768}, 22050);
    ASSERT_EQ(wav.size(), 44u + 10u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(Field(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Field(wav, 16, 4), 16u);      // fmt chunk size
    EXPECT_EQ(Field(wav, 20, 2), 1u);       // PCM
    EXPECT_EQ(Field(wav, 22, 2), 1u);       // mono
    EXPECT_EQ(Field(wav, 24, 4), 22050u);
    EXPECT_EQ(Field(wav, 28, 4), 44100u);   // bytes per second
    EXPECT_EQ(Field(wav, 32, 2), 2u);       // block align
    EXPECT_EQ(Field(wav, 34, 2), 16u);
    EXPECT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(Field(wav, 40, 4), 10u);
    EXPECT_EQ(Field(wav, 46, 2), 0x0001u);
    EXPECT_EQ(Field(wav, 48, 2), 0xFFFFu);
    EXPECT_EQ(Field(wav, 50, 2), 0x7FFFu);
    EXPECT_EQ(Field(wav, 52, 2), 0x8000u);
}

TEST(WavWriter, LoudSamplesClampInsteadOfWrappingRound)
{
    std::vector<int16_t> pcm = ToPcm16({1.5f, -3.0f, 1.0f, 0.5f});
    EXPECT_EQ(pcm[0], 32767);
    EXPECT_EQ(pcm[1], -32767);
    EXPECT_EQ(pcm[2], 32767);
    EXPECT_NEAR(pcm[3], 16384, 1);
}

TEST(WavWriter, TailFadesToAnExactZeroAndNormalisingLeavesSilenceAlone)
{
    std::vector<float> tone(100, 0.5f);
    FadeOutTail(tone, 10);
    EXPECT_FLOAT_EQ(tone[89], 0.5f);
    EXPECT_LT(tone[90], 0.5f);
    EXPECT_EQ(tone[99], 0.0f);
    std::vector<float> silence(10, 0.0f);
    NormalisePeak(silence, 0.8f);
    for (float s : silence) EXPECT_EQ(s, 0.0f);  // no division by a zero peak
}

// The game reads its effects through ALUT's WAV reader: it must accept
// what the build wrote, as 16-bit mono of the whole length.
TEST(WavWriter, AlutReadsTheGeneratedEffects)
{
    ASSERT_TRUE(alutInit(nullptr, nullptr)) << alutGetErrorString(alutGetError());
    for (const char* name : {"flame.wav", "shatter.wav"}) {
        std::string bytes = ReadWholeFile(std::string(SOUND_DATA_DIR) + "/Data/Sounds/" + name);
        ASSERT_GT(bytes.size(), 44u) << name;
        ALenum format = 0;
        ALsizei size = 0;
        ALfloat frequency = 0;
        void* data = alutLoadMemoryFromFileImage(bytes.data(), static_cast<ALsizei>(bytes.size()),
                                                 &format, &size, &frequency);
        ASSERT_NE(data, nullptr) << name << ": " << alutGetErrorString(alutGetError());
        EXPECT_EQ(format, AL_FORMAT_MONO16) << name;
        EXPECT_EQ(frequency, 44100.0f) << name;
        EXPECT_EQ(static_cast<size_t>(size), bytes.size() - 44) << name;
        std::free(data);
    }
    alutExit();
}
