// Start-up and shutdown of the sound registry happen once per process, so
// these tests run their bodies in a fresh copy of the test program.
#include <gtest/gtest.h>
#include <AL/al.h>
#include <AL/alc.h>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include "SoundTestFiles.h"
#include "resources/SoundHandle.h"
#include "resources/SoundManager.h"
#include "resources/SoundObject.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

namespace {

// Reports a failed check on stderr, where the death test shows it.
bool Check(bool ok, const char* what)
{
    if (!ok) std::fprintf(stderr, "failed: %s\n", what);
    return ok;
}

void UseTwoWavs(const TempDir& dir)
{
    std::string wavs = dir.Write("a.wav", WavBytes(1, 16, 8000, 100)) + "\n" + dir.Write("b.wav", WavBytes(2, 8, 8000, 100));
    SoundManager::Instance()->LoadList(dir.Write("sounds.txt", wavs).c_str());
}

bool SoundsMadeBeforeLoadAllLoadWithIt()
{
    ScopedHeadlessPlatform platform;
    TempDir dir;
    int plays = 0;
    SoundManager::SetPlayObserver([&plays](uint32_t, bool) { ++plays; });
    SoundHandle early(1);  // like the driver's music, made before the list
    UseTwoWavs(dir);
    SoundHandle later(0);
    bool ok = Check(!early.GetSound()->IsLoaded() && !later.GetSound()->IsLoaded(), "unloaded before LoadAll");
    early.Play(true);
    SoundManager::Instance()->LoadAll();
    ok &= Check(early.GetSound()->IsLoaded() && later.GetSound()->IsLoaded(), "loaded by LoadAll");
    early.Play(true);
    ok &= Check(plays == 1, "only the loaded sound plays");
    ok &= Check(alGetInteger(AL_DISTANCE_MODEL) == AL_NONE, "no distance attenuation");
    ok &= Check(platform.Boxes().empty(), "no messages");
    SoundManager::SetPlayObserver(nullptr);
    return ok;
}

// Counts sounds deleted while their source, and so the device, still lived.
int soundsDeletedWithDevice = 0;

struct ProbeSound : SoundObject {
    using SoundObject::SoundObject;
    ~ProbeSound() override { soundsDeletedWithDevice += alcGetCurrentContext() && alIsSource(GetSource()); }
};

// Registered before the registry exists, so it runs after its destructor.
void ReportShutdown()
{
    bool ok = Check(soundsDeletedWithDevice == 2, "both sounds deleted while the device was open");
    ok &= Check(alcGetCurrentContext() == nullptr, "context gone at exit");
    std::fflush(stderr);
    _exit(ok ? 0 : 1);
}

// A machine with no audio device: every sound says so and stays silent.
bool NoDeviceMeansUnloadedSounds()
{
    setenv("ALSOFT_DRIVERS", "no-such-backend", 1);
    ScopedHeadlessPlatform platform;
    TempDir dir;
    UseTwoWavs(dir);
    SoundManager::Instance()->LoadAll();
    SoundHandle h(0);
    h.Play(true);
    bool ok = Check(!h.GetSound()->IsLoaded(), "unloaded");
    return ok & Check(platform.Boxes() == std::vector<std::string>{"Error: Error generating sound buffer: " +
                                                                    dir.File("a.wav")},
                      "one message");
}

TEST(SoundLifetime, SoundsMadeBeforeLoadAllAreLoadedByIt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(SoundsMadeBeforeLoadAllLoadWithIt() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST(SoundLifetime, WithoutADeviceSoundsReportThemselvesAndStaySilent)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(NoDeviceMeansUnloadedSounds() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST(SoundLifetime, ShutdownDeletesEverySoundBeforeClosingTheDevice)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::atexit(ReportShutdown);
            {
                TempDir dir;
                UseTwoWavs(dir);
                SoundManager::Instance()->LoadAll();
                new ProbeSound(0);
                new ProbeSound(1);
            }
            std::exit(1);  // no ReleaseAll: the registry deletes what remains
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
