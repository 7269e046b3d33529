#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "shell/GameHooks.h"
#include "shell/GameWindow.h"
#include "shell/HeadlessPlatform.h"
#include "shell/Shell.h"
#include "shell/VirtualKeys.h"

namespace {

std::vector<std::string> events;

class LoggingPlatform : public HeadlessPlatform {
public:
    using HeadlessPlatform::HeadlessPlatform;
    void SwapBuffers() override
    {
        events.push_back("swap");
        HeadlessPlatform::SwapBuffers();
    }
};

// A game that records what the shell asks of it, and which keys its frames
// see.
class RecordingGame : public GameHooks {
public:
    bool startFullscreen = false;
    bool initGLResult = true;
    uint8_t watchedKey = 'A';
    std::vector<uint32_t> updates;
    std::vector<uint32_t> pressedFrames;
    std::vector<uint32_t> downFrames;
    int initGLCalls = 0;
    bool lastFrameFullscreen = false;
    // Valid only while the program runs.
    GameWindow* window = nullptr;

    bool Initialize(GameWindow& w) override
    {
        window = &w;
        w.title = "test";
        w.width = 64;
        w.height = 48;
        w.fullscreen = startFullscreen;
        events.push_back("initialize");
        return true;
    }
    bool InitGL() override
    {
        ++initGLCalls;
        events.push_back("initGL");
        return initGLResult;
    }
    void Update(uint32_t ms) override
    {
        uint32_t frame = static_cast<uint32_t>(updates.size());
        updates.push_back(ms);
        if (window->keys->IsPressed(watchedKey)) pressedFrames.push_back(frame);
        if (window->keys->IsDown(watchedKey)) downFrames.push_back(frame);
        lastFrameFullscreen = window->fullscreen;
        events.push_back("update");
    }
    void Draw() override { events.push_back("draw"); }
    void ReleaseGLResources() override { events.push_back("release"); }
    void Deinitialize() override { events.push_back("deinitialize"); }
    void OnMouseClick(int button) override { events.push_back("click" + std::to_string(button)); }
};

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { events.clear(); }
    void TearDown() override { SetPlatform(nullptr); }

    int Run(uint32_t frames)
    {
        platform.SetFrameLimit(frames);
        return RunProgram(platform, game);
    }
    std::vector<std::string> Boxes() const
    {
        std::vector<std::string> out;
        for (const auto& b : platform.MessageBoxes()) out.push_back(b.text);
        return out;
    }

    LoggingPlatform platform{10};
    RecordingGame game;
};

TEST_F(ShellTest, FramesRunUpdateSwapDrawInOrderAndEndCleanly)
{
    EXPECT_EQ(Run(2), 0);
    std::vector<std::string> expected{"initialize", "initGL", "update", "swap", "draw",
                                      "update", "swap", "draw", "release", "deinitialize"};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(game.updates, (std::vector<uint32_t>{10, 10}));
    EXPECT_TRUE(Boxes().empty());
}

// A slow frame can let a whole tap (down and up) queue up before the next
// frame runs; that frame must still see the key pressed, once.
TEST_F(ShellTest, KeyTappedBetweenFramesIsPressedInExactlyOneFrame)
{
    platform.QueueInput(2, Message{MsgType::KeyDown, 'A'});
    platform.QueueInput(2, Message{MsgType::KeyUp, 'A'});
    platform.QueueInput(4, Message{MsgType::KeyDown, 'A'});
    platform.QueueInput(4, Message{MsgType::KeyUp, 'A'});
    platform.QueueInput(4, Message{MsgType::KeyDown, 'A'});  // pressed again: stays down
    platform.QueueInput(7, Message{MsgType::KeyUp, 'A'});
    Run(9);
    EXPECT_EQ(game.pressedFrames, (std::vector<uint32_t>{2, 4}));
    EXPECT_EQ(game.downFrames, (std::vector<uint32_t>{2, 4, 5, 6}));
}

// Two quick taps of one key, one before each of two frames: each frame
// sees its own press.
TEST_F(ShellTest, TapsInConsecutiveFramesAreEachPressedOnce)
{
    for (uint32_t frame : {2u, 3u, 4u}) {
        platform.QueueInput(frame, Message{MsgType::KeyDown, 'A'});
        platform.QueueInput(frame, Message{MsgType::KeyUp, 'A'});
    }
    Run(7);
    EXPECT_EQ(game.pressedFrames, (std::vector<uint32_t>{2, 3, 4}));
    EXPECT_EQ(game.downFrames, (std::vector<uint32_t>{2, 3, 4}));
}

TEST_F(ShellTest, HeldKeyIsPressedInExactlyOneFrame)
{
    platform.QueueInput(2, Message{MsgType::KeyDown, 'A'});
    platform.QueueInput(3, Message{MsgType::KeyDown, 'A'});  // auto-repeat
    platform.QueueInput(6, Message{MsgType::KeyUp, 'A'});
    Run(8);
    EXPECT_EQ(game.pressedFrames, (std::vector<uint32_t>{2}));
    EXPECT_EQ(game.downFrames, (std::vector<uint32_t>{2, 3, 4, 5}));
}

TEST_F(ShellTest, KeyCallbackSeesKeyDownsAlwaysAndCharactersOnlyWhileTranslating)
{
    static std::vector<std::pair<int, bool>> seen;
    seen.clear();
    struct Game : RecordingGame {
        bool Initialize(GameWindow& w) override
        {
            RecordingGame::Initialize(w);
            w.keyCallback = [](uint8_t key, bool isChar) {
                // The key-state block is updated after the callback.
                if (!isChar) {
                    EXPECT_EQ(CurrentGameWindow()->keys->down[key], 0);
                }
                seen.emplace_back(key, isChar);
            };
            return true;
        }
        void Update(uint32_t ms) override
        {
            RecordingGame::Update(ms);
            if (updates.size() == 2) EnableCharTranslation();
        }
    } typing;
    platform.QueueInput(0, Message{MsgType::KeyDown, 'Q'});
    platform.QueueInput(0, Message{MsgType::Char, 'q'});
    platform.QueueInput(3, Message{MsgType::KeyDown, VK_RETURN});
    platform.QueueInput(3, Message{MsgType::Char, 'z'});
    platform.SetFrameLimit(5);
    RunProgram(platform, typing);
    std::vector<std::pair<int, bool>> expected{{'Q', false}, {VK_RETURN, false}, {13, true}, {'z', true}};
    EXPECT_EQ(seen, expected);
    DisableCharTranslation();
}

TEST_F(ShellTest, MinimizedWindowRunsNoFramesAndTheNextUpdateGetsTheWholeGap)
{
    platform.QueueInput(2, Message{MsgType::SizeMinimized});
    platform.QueueInput(10, Message{MsgType::SizeRestored, 0, 64, 48});
    Run(13);
    // Frames 0, 1 ran; 2 to 9 passed minimized; frames from 10 run again.
    ASSERT_GE(game.updates.size(), 3u);
    EXPECT_EQ(game.updates[0], 10u);
    EXPECT_EQ(game.updates[1], 10u);
    EXPECT_GT(game.updates[2], 80u);
    EXPECT_EQ(game.updates.size(), 5u);
}

TEST_F(ShellTest, MouseClicksStoreThePositionAndReachTheGame)
{
    platform.QueueInput(1, Message{MsgType::LButtonDown, 0, 12, 34});
    platform.QueueInput(1, Message{MsgType::RButtonDown, 0, 5, 6});
    platform.QueueInput(1, Message{MsgType::MouseMove, 0, 7, 8});
    Run(3);
    EXPECT_EQ(std::count(events.begin(), events.end(), "click1"), 1);
    EXPECT_EQ(std::count(events.begin(), events.end(), "click2"), 1);
    EXPECT_EQ(shell.mouseX, 7);
    EXPECT_EQ(shell.mouseY, 8);
}

TEST_F(ShellTest, CloseEndsTheProgramNormally)
{
    platform.QueueInput(1, Message{MsgType::Close});
    EXPECT_EQ(Run(100), 0);
    EXPECT_EQ(game.updates.size(), 1u);
    EXPECT_FALSE(platform.StoppedByLimit());
    EXPECT_EQ(events.back(), "deinitialize");
}

TEST_F(ShellTest, FullscreenToggleRecreatesTheWindowAndRunsInitGLAgain)
{
    platform.QueueInput(1, Message{MsgType::ToggleFullscreen});
    Run(4);
    EXPECT_EQ(platform.WindowsCreated(), 2);
    EXPECT_EQ(game.initGLCalls, 2);
    EXPECT_TRUE(platform.WindowIsFullscreen());
    EXPECT_TRUE(shell.createFullScreen);
}

TEST_F(ShellTest, FailedModeSwitchLeavesTheProgramWindowedAfterOneErrorBox)
{
    platform.SetModeSwitchWorks(false);
    platform.QueueInput(1, Message{MsgType::ToggleFullscreen});
    Run(4);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Mode Switch Failed.\nRunning In Windowed Mode."}));
    EXPECT_EQ(platform.MessageBoxes()[0].caption, "Error");
    EXPECT_FALSE(shell.createFullScreen);
    EXPECT_FALSE(game.lastFrameFullscreen);
    EXPECT_EQ(platform.WindowsCreated(), 2);
}

// The mode switch works but the fullscreen window cannot be made: the same
// message as a failed switch, and the game goes on windowed.
TEST_F(ShellTest, FailedFullscreenWindowFallsBackToAWindowedOne)
{
    platform.SetFullscreenWindowsWork(false);
    platform.QueueInput(1, Message{MsgType::ToggleFullscreen});
    platform.QueueInput(3, Message{MsgType::ToggleFullscreen});
    EXPECT_EQ(Run(6), 0);
    EXPECT_EQ(Boxes(), (std::vector<std::string>(2, "Mode Switch Failed.\nRunning In Windowed Mode.")));
    EXPECT_FALSE(shell.createFullScreen);
    EXPECT_FALSE(platform.WindowIsFullscreen());
    EXPECT_EQ(platform.WindowsCreated(), 3);
    EXPECT_EQ(game.updates.size(), 6u);
}

TEST_F(ShellTest, AltTabFromFullscreenSwapsInAMinimizedWindowAndBack)
{
    game.startFullscreen = true;
    platform.QueueInput(1, Message{MsgType::ActivateInactive});
    platform.QueueInput(4, Message{MsgType::ActivateActive});
    Run(7);
    EXPECT_EQ(platform.WindowsCreated(), 3);
    // The minimized window gets no InitGL; the restored fullscreen one does.
    EXPECT_EQ(game.initGLCalls, 2);
    EXPECT_TRUE(platform.WindowIsFullscreen());
    EXPECT_FALSE(shell.minimizedFromFullscreen);
}

// The fullscreen window loses focus while its toggle is still under way
// (before the toggle's quit is handled): that is no alt-tab.
TEST_F(ShellTest, ToggleInProgressSuppressesTheAltTabSwap)
{
    struct Game : RecordingGame {
        void Update(uint32_t ms) override
        {
            RecordingGame::Update(ms);
            if (updates.size() != 2) return;
            GetPlatform().PostMessage(Message{MsgType::ToggleFullscreen});
            GetPlatform().PostMessage(Message{MsgType::ActivateInactive});
        }
    } toggling;
    toggling.startFullscreen = true;
    platform.SetFrameLimit(5);
    RunProgram(platform, toggling);
    // Only the toggle re-created the window.
    EXPECT_EQ(platform.WindowsCreated(), 2);
    EXPECT_FALSE(shell.minimizedFromFullscreen);
    EXPECT_FALSE(platform.WindowIsFullscreen());
}

// Once the toggle into fullscreen is done, the first alt-tab swaps in a
// minimized window as any other does.
TEST_F(ShellTest, AltTabRightAfterAToggleIntoFullscreenSwaps)
{
    platform.QueueInput(1, Message{MsgType::ToggleFullscreen});
    platform.QueueInput(4, Message{MsgType::ActivateInactive});
    Run(7);
    EXPECT_FALSE(shell.toggleRequested);
    EXPECT_TRUE(shell.minimizedFromFullscreen);
    EXPECT_EQ(platform.WindowsCreated(), 3);
    EXPECT_EQ(game.initGLCalls, 2);
}

TEST_F(ShellTest, WindowCreationFailureEndsTheProgramNormally)
{
    platform.FailNextWindows(1);
    EXPECT_EQ(Run(3), 0);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Error Creating OpenGL Window"}));
    EXPECT_TRUE(game.updates.empty());
    EXPECT_EQ(events.back(), "deinitialize");
}

TEST_F(ShellTest, InitGLFailureDestroysTheWindowAndEnds)
{
    game.initGLResult = false;
    EXPECT_EQ(Run(3), 0);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"User Initialization Error"}));
    std::vector<std::string> expected{"initialize", "initGL", "release", "deinitialize"};
    EXPECT_EQ(events, expected);
}

TEST_F(ShellTest, CursorPolicyDrivesTheCounterToExactValues)
{
    Run(1);
    EXPECT_EQ(platform.CursorCount(), 0);  // shown after the window is gone
    SetCursorVisible(false);
    EXPECT_EQ(platform.CursorCount(), -1);
    for (int i = 0; i < 3; ++i) platform.ShowCursor(false);
    SetCursorVisible(false);
    EXPECT_EQ(platform.CursorCount(), -1);
    for (int i = 0; i < 5; ++i) platform.ShowCursor(true);
    SetCursorVisible(true);
    EXPECT_EQ(platform.CursorCount(), 0);
}

}  // namespace
