#include <gtest/gtest.h>
#include <AL/al.h>
#include <array>
#include <utility>
#include <vector>
#include "SoundTestFiles.h"
#include "resources/ResourceManager.h"
#include "resources/SoundHandle.h"
#include "resources/SoundManager.h"
#include "resources/SoundObject.h"
#include "resources/SoundSamples.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

namespace {

using Boxes = std::vector<std::string>;
using Plays = std::vector<std::pair<uint32_t, bool>>;

// Channels, bits, frequency and bytes of the buffer behind a handle.
using Shape = std::array<ALint, 4>;

Shape ShapeOf(const SoundHandle& h)
{
    ALint buffer = 0;
    alGetSourcei(h.GetSound()->GetSource(), AL_BUFFER, &buffer);
    Shape s{};
    const ALenum what[4] = {AL_CHANNELS, AL_BITS, AL_FREQUENCY, AL_SIZE};
    for (int i = 0; i < 4; ++i) alGetBufferi(buffer, what[i], &s[i]);
    return s;
}

ALint SourceValue(const SoundHandle& h, ALenum what)
{
    ALint value = -1;
    alGetSourcei(h.GetSound()->GetSource(), what, &value);
    return value;
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResourceManager::Instance()->ReleaseAll(0);
        SoundManager::Instance()->LoadAll();
        SoundManager::SetPlayObserver([this](uint32_t id, bool loop) { plays.emplace_back(id, loop); });
    }

    void TearDown() override
    {
        SoundManager::SetPlayObserver(nullptr);
        ResourceManager::Instance()->ReleaseAll(0);
    }

    // Writes the entries as the sound list and loads it.
    void UseList(const std::vector<std::string>& entries)
    {
        std::string text;
        for (size_t i = 0; i < entries.size(); ++i) text += (i ? "\n" : "") + entries[i];
        SoundManager::Instance()->LoadList(dir.Write("sounds.txt", text).c_str());
    }

    // The boxes shown since the last call.
    Boxes NewBoxes()
    {
        Boxes all = platform.Boxes();
        Boxes fresh(all.begin() + static_cast<long>(seenBoxes), all.end());
        seenBoxes = all.size();
        return fresh;
    }

    ScopedHeadlessPlatform platform;
    TempDir dir;
    Plays plays;
    size_t seenBoxes = 0;
};

// The loading tests cover the other spellings; these are the near misses.
TEST(SoundNames, OggNeedsTheThreeLettersRightAfterTheFirstDot)
{
    EXPECT_TRUE(IsOggName("Data/music.ogg.bak"));
    EXPECT_FALSE(IsOggName("music.og"));
    EXPECT_FALSE(IsOggName("music.wav.ogg"));
}

TEST_F(SoundTest, OggAndWavLoadWithTheirChannelsRatesAndWholeLength)
{
    ASSERT_TRUE(WriteOggTone(dir.File("mono.oggy"), 1, 22050, 0.25f));
    // Stereo at 44.1 kHz is longer than one 32 KB decoding piece.
    ASSERT_TRUE(WriteOggTone(dir.File("stereo.ogg"), 2, 44100, 0.5f));
    dir.Write("tone.ogg", WavBytes(1, 16, 8000, 300));
    UseList({dir.File("mono.oggy"), dir.File("stereo.ogg"), dir.Write("s16.wav", WavBytes(2, 16, 11025, 500)),
             "*beep.wav", dir.Path().string() + "/./tone.ogg"});

    const std::vector<Shape> expected = {
        {1, 16, 22050, 5512 * 2}, {2, 16, 44100, 22050 * 4}, {2, 16, 11025, 2000}, {1, 8, 8000, 400}, {1, 16, 8000, 600}};
    for (uint32_t id = 0; id < expected.size(); ++id) {
        SoundHandle h(id);
        ASSERT_TRUE(h.IsValid() && h.GetSound()->IsLoaded()) << "sound " << id;
        EXPECT_EQ(ShapeOf(h), expected[id]) << "sound " << id;
        EXPECT_EQ(SourceValue(h, AL_LOOPING), AL_FALSE);
    }
    EXPECT_EQ(NewBoxes(), Boxes{});
}

TEST_F(SoundTest, UnreadableSoundsReportThemselvesStayRegisteredAndPlaySilently)
{
    const std::string realOgg = dir.File("upper.OGG");
    ASSERT_TRUE(WriteOggTone(realOgg, 1, 22050, 0.1f));
    auto failed = [](const std::string& name) { return Boxes{"Error: Error loading sound: " + name}; };
    const std::vector<std::pair<std::string, Boxes>> cases = {
        {dir.File("missing.wav"), failed(dir.File("missing.wav"))},
        {dir.Write("junk.wav", "not a wave"), failed(dir.File("junk.wav"))},
        {dir.File("missing.ogg"), failed(dir.File("missing.ogg"))},
        {dir.Write("junk.ogg", "OggS but no more"), failed(dir.File("junk.ogg"))},
        {realOgg, failed(realOgg)},             // upper case: tried as WAV
        {"*beep.ogg", failed("*beep.ogg")},     // Ogg never comes from resources
        {"*broken.wav", failed("*broken.wav")},  // cut short inside its header
        {"*nothere.wav", {"ERROR: Could not find resource", "Error: Error loading sound from resource: nothere.wav"}},
        {"*empty.bin", {"Error: Error loading sound from resource: empty.bin"}},
    };
    std::vector<std::string> entries;
    for (const auto& c : cases) entries.push_back(c.first);
    UseList(entries);

    for (uint32_t id = 0; id <= cases.size(); ++id) {
        SoundHandle h(id);
        // One id past the list: the table complains, then the empty name fails.
        Boxes expected = id < cases.size() ? cases[id].second
                                           : Boxes{"Error: Invalid file table reference!", "Error: Error loading sound: "};
        EXPECT_EQ(NewBoxes(), expected) << "sound " << id;
        ASSERT_TRUE(h.IsValid());
        EXPECT_FALSE(h.GetSound()->IsLoaded());
        EXPECT_EQ(SoundManager::Instance()->GetSound(id), h.GetSound());
        h.Play(true);
    }
    EXPECT_EQ(NewBoxes(), Boxes{});
    EXPECT_EQ(plays, Plays{});
}

TEST_F(SoundTest, PlayTouchesLoopingOnlyWhenItChanges)
{
    UseList({dir.Write("tone.wav", WavBytes(1, 16, 8000, 8000))});
    SoundHandle h(0);
    h.Play(true);
    EXPECT_EQ(SourceValue(h, AL_LOOPING), AL_TRUE);
    EXPECT_EQ(SourceValue(h, AL_SOURCE_STATE), AL_PLAYING);

    // Changed behind the sound's back, so that a needless set would show.
    alSourcei(h.GetSound()->GetSource(), AL_LOOPING, AL_FALSE);
    h.Play(true);
    EXPECT_EQ(SourceValue(h, AL_LOOPING), AL_FALSE);

    alSourcei(h.GetSound()->GetSource(), AL_LOOPING, AL_TRUE);
    h.Play(false);
    EXPECT_EQ(SourceValue(h, AL_LOOPING), AL_FALSE);
    EXPECT_EQ(plays, (Plays{{0, true}, {0, true}, {0, false}}));

    // Loading again gives a fresh source that must be told to loop anew.
    h.Play(true);
    h.GetSound()->Load();
    EXPECT_EQ(SourceValue(h, AL_LOOPING), AL_FALSE);
    h.Play(true);
    EXPECT_EQ(SourceValue(h, AL_LOOPING), AL_TRUE);
}

TEST_F(SoundTest, HandlesOfOneIdShareOneSourceAndEitherRestartsIt)
{
    UseList({dir.Write("long.wav", WavBytes(1, 16, 8000, 80000))});  // ten seconds
    SoundHandle first(0), second(0);
    ASSERT_EQ(first.GetSound(), second.GetSound());
    EXPECT_EQ(SoundManager::Instance()->Count(), 1u);

    first.Play(false);
    alSourcei(first.GetSound()->GetSource(), AL_SAMPLE_OFFSET, 70000);
    second.Play(false);
    EXPECT_LT(SourceValue(first, AL_SAMPLE_OFFSET), 70000);
    EXPECT_EQ(SourceValue(first, AL_SOURCE_STATE), AL_PLAYING);
}

TEST_F(SoundTest, RegistryRefusesNullAndDuplicatesAndReleaseAllEmptiesIt)
{
    UseList({"*beep.wav"});
    SoundHandle h(0);
    SoundObject* original = h.GetSound();
    SoundManager::Instance()->Register(nullptr);
    auto* duplicate = new SoundObject(0);
    EXPECT_EQ(NewBoxes(), (Boxes{"Error: Couldn't register sound!", "Error: Attempted to register pre-existing sound!"}));
    delete duplicate;  // must not take the original's entry with it
    EXPECT_EQ(SoundManager::Instance()->GetSound(0), original);
    EXPECT_EQ(SoundManager::Instance()->Count(), 1u);

    ResourceManager::Instance()->ReleaseAll(0);
    EXPECT_FALSE(h.IsValid());
    EXPECT_EQ(SoundManager::Instance()->Count(), 0u);
    h.Play(true);
    EXPECT_EQ(plays, Plays{});
}

}  // namespace
