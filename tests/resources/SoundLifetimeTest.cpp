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

bool SoundsMadeBeforeLoadAllLoadWithIt()
{
    ScopedHeadlessPlatform platform;
    TempDir dir;
    std::string list = dir.Write("sounds.txt", dir.Write("a.wav", WavBytes(1, 16, 8000, 100)) + "\n" +
                                                   dir.Write("b.wav", WavBytes(1, 16, 8000, 100)));
    int plays = 0;
    SoundManager::SetPlayObserver([&plays](uint32_t, bool) { ++plays; });
    SoundHandle early(1);  // like the driver's music, made before the list
    SoundManager::Instance()->LoadList(list.c_str());
    SoundHandle later(0);
    bool ok = Check(!early.GetSound()->IsLoaded() && !later.GetSound()->IsLoaded(), "unloaded before LoadAll");
    early.Play(true);
    ok &= Check(plays == 0, "an unloaded sound does not play");

    SoundManager::Instance()->LoadAll();
    ok &= Check(early.GetSound()->IsLoaded() && later.GetSound()->IsLoaded(), "loaded by LoadAll");
    early.Play(true);
    ok &= Check(plays == 1, "plays once loaded");
    ok &= Check(alGetInteger(AL_DISTANCE_MODEL) == AL_NONE, "no distance attenuation");
    ok &= Check(platform.Boxes().empty(), "no messages");
    SoundManager::SetPlayObserver(nullptr);
    return ok;
}

// Records, as it is deleted, whether its buffer and source could still be
// deleted: the context must be current and the source alive.
int soundsDeletedWithDevice = 0;

struct ProbeSound : SoundObject {
    using SoundObject::SoundObject;
    ~ProbeSound() override
    {
        if (alcGetCurrentContext() && alIsSource(GetSource())) ++soundsDeletedWithDevice;
    }
};

// Runs after the registry's destructor, having been registered before the
// registry was first used.
void ReportShutdown()
{
    bool ok = Check(soundsDeletedWithDevice == 2, "both sounds deleted while the device was open");
    ok &= Check(alcGetCurrentContext() == nullptr, "context gone at exit");
    std::fflush(stderr);
    _exit(ok ? 0 : 1);
}

void LeaveSoundsForShutdown()
{
    std::atexit(ReportShutdown);
    TempDir dir;
    SoundManager::Instance()->LoadList(dir.Write("sounds.txt", dir.Write("a.wav", WavBytes(1, 16, 8000, 100)) + "\n" +
                                                                   dir.Write("b.wav", WavBytes(2, 16, 8000, 100)))
                                           .c_str());
    SoundManager::Instance()->LoadAll();
    new ProbeSound(0);
    new ProbeSound(1);
    // No ReleaseAll: the registry's destructor deletes what remains.
}

TEST(SoundLifetime, SoundsMadeBeforeLoadAllAreLoadedByIt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(SoundsMadeBeforeLoadAllLoadWithIt() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST(SoundLifetime, ShutdownDeletesEverySoundBeforeClosingTheDevice)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            LeaveSoundsForShutdown();
            std::exit(1);  // ReportShutdown decides the exit code
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
