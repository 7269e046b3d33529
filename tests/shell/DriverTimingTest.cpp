#include <gtest/gtest.h>
#include <cstring>
#include "shell/FpsCounter.h"
#include "shell/GlobalKeys.h"
#include "shell/KeyState.h"
#include "shell/StepClock.h"

namespace {

TEST(StepClock, GapsAboveOneSecondCountAsOneMillisecond)
{
    EXPECT_FLOAT_EQ(StepClock::FrameSeconds(1000), 1.0f);
    EXPECT_FLOAT_EQ(StepClock::FrameSeconds(1001), 0.001f);
    EXPECT_FLOAT_EQ(StepClock::FrameSeconds(4000000000u), 0.001f);

    StepClock clock;
    EXPECT_EQ(clock.Advance(StepClock::FrameSeconds(1000)), 100u);
    StepClock stalled;
    EXPECT_EQ(stalled.Advance(StepClock::FrameSeconds(1001)), 0u);
}

TEST(StepClock, ThirtyFramesPerSecondAlternateBetweenThreeAndFourSteps)
{
    StepClock clock;
    uint32_t total = 0;
    for (int frame = 0; frame < 30; ++frame) {
        uint32_t steps = clock.Advance(StepClock::FrameSeconds(33));
        EXPECT_TRUE(steps == 3 || steps == 4) << "frame " << frame << " ran " << steps;
        total += steps;
    }
    // 990 ms of frames: no time is lost, it carries over.
    EXPECT_GE(total, 98u);
    EXPECT_LE(total, 99u);
    EXPECT_LT(clock.Accumulated(), StepClock::STEP_LENGTH);
}

TEST(StepClock, ShortFramesCarryTimeOver)
{
    StepClock clock;
    EXPECT_EQ(clock.Advance(0.004f), 0u);
    EXPECT_EQ(clock.Advance(0.004f), 0u);
    EXPECT_EQ(clock.Advance(0.004f), 1u);
    EXPECT_NEAR(clock.Accumulated(), 0.002f, 1e-6f);
}

TEST(FpsCounter, CountsWholeSecondsAndTheCrossingFrameCountsTowardsTheNext)
{
    FpsCounter fps;
    for (int i = 0; i < 100; ++i) fps.TickFps(0.01f);
    // 100 frames of 0.01 s make about one second, but not strictly more.
    EXPECT_EQ(fps.GetFps(), 0u);
    for (int i = 0; i < 5; ++i) fps.TickFps(0.01f);
    EXPECT_EQ(fps.GetFps(), 100u);
    // The crossing frame started the new second: 51 frames of 0.02 s more
    // make it 1.02 s, counted as the 51 frames before the crossing one.
    FpsCounter steady;
    for (int i = 0; i < 51; ++i) steady.TickFps(0.02f);
    EXPECT_EQ(steady.GetFps(), 50u);
}

TEST(FpsCounter, ShowsZeroDuringTheFirstSecond)
{
    FpsCounter fps;
    fps.TickFps(0.5f);
    fps.TickFps(0.5f);
    EXPECT_EQ(fps.GetFps(), 0u);
    fps.TickFps(0.1f);
    EXPECT_EQ(fps.GetFps(), 2u);
}

KeyState Pressed(std::initializer_list<uint8_t> keys, std::initializer_list<uint8_t> held = {})
{
    KeyState k;
    std::memset(&k, 0, sizeof k);
    for (uint8_t key : keys) k.down[key] = 1;
    for (uint8_t key : held) k.down[key] = k.previous[key] = 1;
    return k;
}

TEST(GlobalKeys, OnlyTheFirstPressedLevelKeyActs)
{
    EXPECT_EQ(ChooseLevelKeyAction(Pressed({'C', 'N', 'S', 'E', 'P'}), 0), LevelKeyAction::ClearObjects);
    EXPECT_EQ(ChooseLevelKeyAction(Pressed({'N', 'S', 'E', 'P'}), 0), LevelKeyAction::RestartLevel);
    EXPECT_EQ(ChooseLevelKeyAction(Pressed({'S', 'E', 'P'}), 1), LevelKeyAction::SaveGame);
    EXPECT_EQ(ChooseLevelKeyAction(Pressed({'E', 'P'}), 2), LevelKeyAction::EditLevels);
    EXPECT_EQ(ChooseLevelKeyAction(Pressed({'P'}), 0), LevelKeyAction::PlayLevels);
    // A key held from the previous frame is not pressed and lets the next act.
    EXPECT_EQ(ChooseLevelKeyAction(Pressed({'P'}, {'C'}), 0), LevelKeyAction::PlayLevels);
    EXPECT_EQ(ChooseLevelKeyAction(Pressed({}), 0), LevelKeyAction::None);
}

TEST(GlobalKeys, PromptStatesTakeTheLettersAsTyping)
{
    for (uint32_t state : {3u, 4u, 5u})
        EXPECT_EQ(ChooseLevelKeyAction(Pressed({'C', 'N', 'S', 'E', 'P'}), state), LevelKeyAction::None);
}

}  // namespace
