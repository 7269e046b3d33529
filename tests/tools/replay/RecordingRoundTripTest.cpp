#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "ReplayScript.h"
#include "record/ScriptRecorder.h"
#include "resources/WholeFile.h"
#include "shell/GameHooks.h"
#include "shell/GameWindow.h"
#include "shell/HeadlessPlatform.h"
#include "shell/Shell.h"
#include "shell/ShellObserver.h"
#include "shell/VirtualKeys.h"
#include "support/TempDir.h"

namespace {

// A game that writes down everything the shell tells it: each update's time
// and the keys down (pressed ones starred), key and character callbacks,
// clicks with the mouse position.
class LoggingGame : public GameHooks {
public:
    std::vector<std::string> log;

    bool Initialize(GameWindow& w) override
    {
        current = this;
        window = &w;
        w.title = "log";
        w.width = 64;
        w.height = 48;
        w.fullscreen = false;
        w.keyCallback = [](uint8_t key, bool isChar) {
            current->log.push_back((isChar ? "char " : "key ") + std::to_string(key));
        };
        return true;
    }
    bool InitGL() override
    {
        log.push_back("initGL");
        return true;
    }
    void Update(uint32_t ms) override
    {
        std::string line = "update " + std::to_string(ms);
        for (int k = 0; k < 256; ++k)
            if (window->keys->IsDown(uint8_t(k))) line += " " + std::to_string(k) + (window->keys->IsPressed(uint8_t(k)) ? "*" : "");
        log.push_back(line);
        // A prompt takes typing for a while.
        ++updates;
        if (updates == 3) EnableCharTranslation();
        if (updates == 6) DisableCharTranslation();
    }
    void Draw() override { log.push_back("draw"); }
    void ReleaseGLResources() override { log.push_back("release"); }
    void Deinitialize() override { log.push_back("deinitialize"); }
    void OnMouseClick(int button) override
    {
        log.push_back("click " + std::to_string(button) + " " + std::to_string(shell.mouseX) + " " +
                      std::to_string(shell.mouseY));
    }

private:
    static inline LoggingGame* current = nullptr;
    GameWindow* window = nullptr;
    int updates = 0;
};

class RecorderObserver : public ShellObserver {
public:
    explicit RecorderObserver(ScriptRecorder& recorder) : recorder(recorder) { SetShellObserver(this); }
    ~RecorderObserver() override { SetShellObserver(nullptr); }
    void MessageArrived(const Message& m) override { recorder.MessageArrived(m, shell.charTranslation); }
    void FrameRan(uint32_t ms) override { recorder.FrameRan(ms); }
    void FrameSkipped() override { recorder.FrameSkipped(); }
    void MessageBoxShown(const std::string&, const std::string&) override {}

private:
    ScriptRecorder& recorder;
};

std::vector<std::string> Play(HeadlessPlatform& platform)
{
    LoggingGame game;
    RunProgram(platform, game);
    SetPlatform(nullptr);
    return game.log;
}

// A run with frames of changing length, typing, the mouse and a spell
// minimised is recorded, the recording replayed, and the game is told the
// very same things in both.
TEST(RecordingRoundTrip, ReplayTellsTheGameWhatTheRecordedRunDid)
{
    HeadlessPlatform played(10);
    played.SetFrameTime(0, 7);
    played.SetFrameTime(3, 0);
    played.SetFrameTime(5, 16);
    played.SetFrameTime(9, 40);
    played.QueueInput(1, Message{MsgType::KeyDown, 'A'});  // a tap within one frame
    played.QueueInput(1, Message{MsgType::KeyUp, 'A'});
    played.QueueInput(2, Message{MsgType::KeyDown, VK_RIGHT});
    played.QueueInput(3, Message{MsgType::KeyDown, 'Q'});
    played.QueueInput(3, Message{MsgType::Char, 'q'});
    played.QueueInput(3, Message{MsgType::KeyUp, 'Q'});
    played.QueueInput(4, Message{MsgType::KeyDown, VK_RETURN});  // its character is the platform's
    played.QueueInput(4, Message{MsgType::KeyUp, VK_RETURN});
    played.QueueInput(5, Message{MsgType::MouseMove, 0, -3, 20});
    played.QueueInput(5, Message{MsgType::LButtonDown, 0, 11, 21});
    played.QueueInput(6, Message{MsgType::RButtonDown, 0, 3, 4});
    played.QueueInput(7, Message{MsgType::KeyUp, VK_RIGHT});
    played.QueueInput(8, Message{MsgType::SizeMinimized});
    played.QueueInput(12, Message{MsgType::SizeRestored, 0, 64, 48});
    played.QueueInput(13, Message{MsgType::ActivateInactive});
    played.QueueInput(13, Message{MsgType::ActivateActive});
    played.QueueInput(14, Message{MsgType::Char, 'x'});  // no typing now: never arrives
    played.QueueInput(16, Message{MsgType::Close});
    played.SetFrameLimit(100);

    TempDir dir;
    ScriptRecorder recorder;
    ASSERT_TRUE(recorder.Open(dir.File("play.txt")));
    std::vector<std::string> original;
    {
        RecorderObserver observer(recorder);
        original = Play(played);
    }
    ASSERT_TRUE(recorder.Finish());
    ASSERT_FALSE(played.StoppedByLimit());
    // The run really varied: frames of no time, and the gap while minimised
    // (frame 8 of 16 ms and frames 9-12 of 40 ms).
    auto has = [&original](const std::string& line) {
        return std::find(original.begin(), original.end(), line) != original.end();
    };
    EXPECT_TRUE(has("update 0 39 81*"));
    EXPECT_TRUE(has("update 0 13* 39"));
    EXPECT_TRUE(has("update 176"));
    EXPECT_EQ(std::count(original.begin(), original.end(), "char 13"), 1);

    std::string text = ReadWholeFile(dir.File("play.txt"));
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(ParseReplayScript(text, script, error)) << error << "\n" << text;
    HeadlessPlatform replayed(10);
    for (const ScriptEvent& e : script.events) replayed.QueueInput(e.frame, e.message);
    for (const auto& time : script.frameTimes) replayed.SetFrameTime(time.first, time.second);
    replayed.SetFrameLimit(script.lastFrame + 1);

    EXPECT_EQ(Play(replayed), original) << text;
    EXPECT_FALSE(replayed.StoppedByLimit());
}

TEST(RecordingRoundTrip, MessagesTheGamePostsItselfAreNotRecorded)
{
    EXPECT_EQ(ScriptLine(4, Message{MsgType::KeyDown, 122}), "4 key 122");
    EXPECT_EQ(ScriptLine(4, Message{MsgType::ToggleFullscreen}), "");
    EXPECT_EQ(ScriptLine(4, Message{MsgType::Quit}), "");
    EXPECT_EQ(ScriptLine(9, Message{MsgType::SizeRestored, 0, 1024, 768}), "9 restore 1024 768");
}

}  // namespace
