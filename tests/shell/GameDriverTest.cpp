#include <gtest/gtest.h>
#include <AL/al.h>
#include <filesystem>
#include <fstream>
#include "resources/SoundManager.h"
#include "resources/SoundTestFiles.h"
#include "shell/GameDriver.h"
#include "shell/HeadlessPlatform.h"
#include "shell/Shell.h"
#include "shell/VirtualKeys.h"
#include "support/TempDir.h"

namespace {

// Runs the real driver in an empty working directory.
class GameDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(dir.Path());
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous);
        SetPlatform(nullptr);
    }
    int Run(uint32_t frames)
    {
        platform.SetFrameLimit(frames);
        return RunProgram(platform, driver);
    }
    void Press(uint32_t frame, uint8_t key)
    {
        platform.QueueInput(frame, Message{MsgType::KeyDown, key});
        platform.QueueInput(frame + 1, Message{MsgType::KeyUp, key});
    }

    TempDir dir;
    std::filesystem::path previous;
    HeadlessPlatform platform{10};
    GameDriver driver;
};

TEST_F(GameDriverTest, MissingDataIsReportedAndTheGameRunsOn)
{
    EXPECT_EQ(Run(3), 0);
    std::vector<std::string> texts;
    for (const auto& b : platform.MessageBoxes()) texts.push_back(b.text);
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0], "Could not load file table!");
    EXPECT_EQ(texts[1], "Could not load file table!");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Error loading font widths"), texts.end());
}

TEST_F(GameDriverTest, EscapeEndsTheProgramAtTheEndOfTheFrame)
{
    platform.QueueInput(3, Message{MsgType::KeyDown, VK_ESCAPE});
    EXPECT_EQ(Run(50), 0);
    EXPECT_FALSE(platform.StoppedByLimit());
    EXPECT_EQ(platform.Frame(), 4u);
}

TEST_F(GameDriverTest, MusicKeyTogglesAndTheTimerStandsStillWhileOff)
{
    Press(2, 'M');
    Run(10);
    EXPECT_FALSE(driver.IsMusicOn());
    // Frames 0 to 2 counted music time: the key is read after the frame's
    // music update.
    EXPECT_NEAR(driver.MusicTimer(), 0.03f, 1e-6f);
}

// The driver as the shell's hooks, noting after every frame's update
// whether the music (sound 2) is playing and looping.
class MusicWatch : public GameHooks {
public:
    explicit MusicWatch(GameDriver& driver) : driver(driver) {}
    bool Initialize(GameWindow& w) override { return driver.Initialize(w); }
    bool InitGL() override { return driver.InitGL(); }
    void Update(uint32_t ms) override
    {
        driver.Update(ms);
        ALint state = 0;
        ALint looping = 0;
        ALuint source = SoundManager::Instance()->GetSound(2)->GetSource();
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        alGetSourcei(source, AL_LOOPING, &looping);
        playing.push_back(state == AL_PLAYING && looping == AL_TRUE);
    }
    void Draw() override { driver.Draw(); }
    void ReleaseGLResources() override { driver.ReleaseGLResources(); }
    void Deinitialize() override { driver.Deinitialize(); }
    void OnMouseClick(int button) override { driver.OnMouseClick(button); }

    std::vector<bool> playing;

private:
    GameDriver& driver;
};

// M is heard: off stops the music at once, on starts it again looping, and
// a new window (F11) does not bring back music the player turned off.
TEST_F(GameDriverTest, MusicKeyStopsTheMusicAndStartsItAgainLooping)
{
    std::ofstream("tone.wav", std::ios::binary) << WavBytes(1, 16, 8000, 40000);
    std::ofstream("sounds.txt") << "tone.wav\ntone.wav\ntone.wav";
    MusicWatch watch(driver);
    Press(2, 'M');
    Press(4, VK_F11);
    Press(7, 'M');
    platform.SetFrameLimit(9);
    RunProgram(platform, watch);
    std::vector<bool> expected{true, true, false, false, false, false, false, true, true};
    EXPECT_EQ(watch.playing, expected);
    EXPECT_EQ(platform.WindowsCreated(), 2);
    EXPECT_TRUE(driver.IsMusicOn());
}

TEST_F(GameDriverTest, EditKeyOpensTheEditorAndItsLoadPromptAndLettersThenType)
{
    Press(2, 'E');
    // In the prompt, P is typing, not the play key.
    Press(5, 'P');
    Run(8);
    EXPECT_EQ(driver.GetLevelManager().GetState(), 5);
}

TEST_F(GameDriverTest, FullscreenKeyHeldTogglesOnce)
{
    platform.QueueInput(2, Message{MsgType::KeyDown, VK_F11});
    Run(10);
    EXPECT_EQ(platform.WindowsCreated(), 2);
    EXPECT_TRUE(platform.WindowIsFullscreen());
}

}  // namespace
