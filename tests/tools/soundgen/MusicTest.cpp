#include <gtest/gtest.h>
#include <cmath>
#include "Effects.h"
#include "MusicRenderer.h"
#include "OggWriter.h"
#include "Pcm.h"
#include "ScoreParser.h"
#include "SoundReading.h"

using namespace soundgen;

namespace {

const int RATE = 8000;  // low, to keep the renders quick

Score Parse(const std::string& text)
{
    Score score;
    std::string error;
    EXPECT_TRUE(ParseScore(text, "t.score", score, error)) << error;
    return score;
}

float Rms(const std::vector<float>& x, size_t first, size_t count)
{
    double sum = 0.0;
    for (size_t i = first; i < first + count; ++i) sum += x[i] * x[i];
    return static_cast<float>(std::sqrt(sum / count));
}

std::vector<int16_t> Pcm(const std::vector<float>& x) { return ToPcm16(x); }

} // namespace

// One bar at 60 bpm is four seconds. A note on the last beat rings on past
// the end: its tail must be heard over the start, not cut off.
TEST(MusicRenderer, TailsPastTheEndWrapRoundToTheStart)
{
    for (const char* instrument : {"pad", "pluck", "bell"}) {
        Score score = Parse(std::string("tempo 60\nbars 1\nchord 1:4 ") + instrument + " 1 A3\n");
        StereoBuffer music = RenderScore(score, RATE, 1);
        ASSERT_EQ(music.Frames(), 4u * RATE);
        EXPECT_GT(Rms(music.left, 0, RATE / 10), 0.01f) << instrument;
        EXPECT_NEAR(Rms(music.left, 2 * RATE, RATE / 2), 0.0f, 1e-6f) << instrument;  // still silent before
        EXPECT_LT(SeamRoughness(Pcm(music.left), Pcm(music.left)), 2000) << instrument;
    }
}

// At 30 bpm a beat is two seconds and the bar eight. The note sounds hard
// left at 6 s; its repeats come at 8 s (right, wrapped to 0 s), 10 s
// (left, wrapped to 2 s) and so on.
TEST(MusicRenderer, EchoesRepeatFromTheOtherSideAndWrap)
{
    Score score = Parse("tempo 30\nbars 1\npan bell -1\necho bell 1 0.3\nchord 1:4 bell 0.25 A5\n");
    StereoBuffer music = RenderScore(score, RATE, 1);
    auto At = [](double seconds) { return static_cast<size_t>(seconds * RATE); };
    EXPECT_GT(Rms(music.left, At(6.2), RATE / 4), 0.05f);
    EXPECT_NEAR(Rms(music.right, At(6.2), RATE / 4), 0.0f, 1e-6f);
    EXPECT_GT(Rms(music.right, At(0.2), RATE / 4), 0.01f);
    EXPECT_NEAR(Rms(music.left, At(0.2), RATE / 4), 0.0f, 1e-6f);
    EXPECT_GT(Rms(music.left, At(2.2), RATE / 4), 0.003f);
    EXPECT_NEAR(Rms(music.right, At(2.2), RATE / 4), 0.0f, 1e-6f);
}

TEST(MusicRenderer, IsNormalisedAndTheSameEveryTime)
{
    Score score = Parse("tempo 120\nbars 1\nchord 1:1 pad 4 C3 E3 G3\nseq 1:1 pluck 1 C2 G2 C2 G2\n");
    StereoBuffer a = RenderScore(score, RATE, 3), b = RenderScore(score, RATE, 3);
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.right, b.right);
    EXPECT_NEAR(std::max(Peak(a.left), Peak(a.right)), MUSIC_PEAK, 1e-6f);
}

TEST(OggWriter, EncodesStereoThatDecodesToTheSameLengthAndBytesEveryTime)
{
    StereoBuffer music(10007);  // not a whole number of encoder blocks
    for (size_t i = 0; i < music.Frames(); ++i) {
        music.left[i] = 0.5f * std::sin(i * 0.05f);
        music.right[i] = 0.25f * std::sin(i * 0.03f);
    }
    std::string first, second, error;
    ASSERT_TRUE(EncodeOgg(music, 44100, 0.3f, first, error)) << error;
    ASSERT_TRUE(EncodeOgg(music, 44100, 0.3f, second, error)) << error;
    EXPECT_EQ(first, second);
    DecodedOgg decoded = DecodeOgg(first);
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.channels, 2);
    EXPECT_EQ(decoded.rate, 44100);
    EXPECT_EQ(decoded.Frames(), music.Frames());
    std::vector<int16_t> right = decoded.Channel(1);
    EXPECT_NEAR(right[5000] / 32767.0, music.right[5000], 0.02);
}

TEST(OggWriter, ReportsARateTheEncoderRefuses)
{
    std::string bytes, error;
    EXPECT_FALSE(EncodeOgg(StereoBuffer(100), 0, 0.3f, bytes, error));
    EXPECT_NE(error.find("refused"), std::string::npos);
}

TEST(Effects, AreAboutASecondLoudButUnclippedAndEndInSilence)
{
    for (const std::vector<float>& sound : {SynthFlame(FlameParams()), SynthShatter(ShatterParams())}) {
        ASSERT_EQ(sound.size(), static_cast<size_t>(EFFECT_RATE));
        float peak = Peak(sound);
        EXPECT_NEAR(peak, 0.85f, 1e-4f);
        EXPECT_GT(Rms(sound, 0, sound.size()), 0.05f);  // also false for NaN samples
        EXPECT_EQ(sound.back(), 0.0f);
        EXPECT_GT(Rms(sound, 0, EFFECT_RATE / 4), 4.0f * Rms(sound, EFFECT_RATE * 3 / 4, EFFECT_RATE / 4));
    }
}

// The build's own music, decoded as the game decodes it.
class BuiltMusic : public ::testing::Test {
protected:
    static void SetUpTestSuite() { decoded = DecodeOgg(ReadWholeFile(std::string(SOUND_DATA_DIR) + "/Data/Sounds/music.ogg")); }
    static DecodedOgg decoded;
};
DecodedOgg BuiltMusic::decoded;

TEST_F(BuiltMusic, IsStereoAndFiftyFiveSecondsLong)
{
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.channels, 2);
    EXPECT_EQ(decoded.rate, 44100);
    EXPECT_EQ(decoded.Frames(), 55u * 44100u);
}

// The game restarts the music every 55 s, and loops it at start-up: the
// last samples must flow into the first ones with no click, no rougher
// than the music is in its busiest 1 percent.
TEST_F(BuiltMusic, LoopsWithoutAClick)
{
    ASSERT_TRUE(decoded.ok);
    for (int c = 0; c < decoded.channels; ++c) {
        std::vector<int16_t> channel = decoded.Channel(c);
        int seam = SeamRoughness(channel, channel);
        EXPECT_LE(seam, RoughnessPercentile(channel, 0.99)) << "channel " << c;
    }
}

TEST_F(BuiltMusic, NeverClipsAndIsNeverSilentForLong)
{
    ASSERT_TRUE(decoded.ok);
    int loudest = 0;
    for (int16_t s : decoded.samples) loudest = std::max(loudest, std::abs(static_cast<int>(s)));
    EXPECT_LT(loudest, 32000);
    const size_t second = 2 * 44100;
    for (size_t start = 0; start + second <= decoded.samples.size(); start += second) {
        double sum = 0.0;
        for (size_t i = start; i < start + second; ++i) sum += double(decoded.samples[i]) * decoded.samples[i];
        EXPECT_GT(std::sqrt(sum / second), 1000.0) << "second " << start / second;
    }
}

TEST(BuiltSoundList, NamesFlameShatterAndMusicAsIdsZeroToTwo)
{
    EXPECT_EQ(ReadWholeFile(std::string(SOUND_DATA_DIR) + "/sounds.txt"),
              "Data/Sounds/flame.wav\nData/Sounds/shatter.wav\nData/Sounds/music.ogg\n");
}
