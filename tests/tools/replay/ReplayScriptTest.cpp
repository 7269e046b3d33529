#include <gtest/gtest.h>
#include "ReplayOptions.h"
#include "ReplayScript.h"

namespace {

ReplayScript Parse(const std::string& text)
{
    ReplayScript script;
    std::string error;
    EXPECT_TRUE(ParseReplayScript(text, script, error)) << error;
    return script;
}

std::string ErrorOf(const std::string& text)
{
    ReplayScript script;
    std::string error;
    EXPECT_FALSE(ParseReplayScript(text, script, error));
    return error;
}

TEST(ReplayScript, EventsKeepFileOrderAndHoldAddsTheRelease)
{
    ReplayScript s = Parse("# walk right\n\n5 hold 39 20\n5 key 70 # fire\n7 keyup 70\n");
    ASSERT_EQ(s.events.size(), 4u);
    EXPECT_EQ(s.events[0].frame, 5u);
    EXPECT_EQ(s.events[0].message.type, MsgType::KeyDown);
    EXPECT_EQ(s.events[0].message.wParam, 39u);
    EXPECT_EQ(s.events[1].frame, 25u);
    EXPECT_EQ(s.events[1].message.type, MsgType::KeyUp);
    EXPECT_EQ(s.events[2].message.wParam, 70u);
    EXPECT_EQ(s.events[3].frame, 7u);
    EXPECT_EQ(s.lastFrame, 25u);
}

TEST(ReplayScript, TypeSendsKeyDownCharacterAndKeyUpForEachCharacter)
{
    ReplayScript s = Parse("3 type a B#1\n");
    ASSERT_EQ(s.events.size(), 15u);  // five characters, three messages each
    EXPECT_EQ(s.events[0].message.type, MsgType::KeyDown);
    EXPECT_EQ(s.events[0].message.wParam, uint32_t('A'));
    EXPECT_EQ(s.events[1].message.type, MsgType::Char);
    EXPECT_EQ(s.events[1].message.wParam, uint32_t('a'));
    EXPECT_EQ(s.events[2].message.type, MsgType::KeyUp);
    EXPECT_EQ(s.events[4].message.wParam, uint32_t(' '));
    EXPECT_EQ(s.events[10].message.wParam, uint32_t('#'));  // kept: it is text, not a comment
}

TEST(ReplayScript, MouseAndWindowEvents)
{
    ReplayScript s = Parse("1 click left 10 20\n1 click right 0 0\n2 move 5 6\n3 minimize\n4 restore\n"
                           "5 deactivate\n6 activate\n9 close\n");
    ASSERT_EQ(s.events.size(), 8u);
    EXPECT_EQ(s.events[0].message.type, MsgType::LButtonDown);
    EXPECT_EQ(s.events[0].message.x, 10);
    EXPECT_EQ(s.events[0].message.y, 20);
    EXPECT_EQ(s.events[1].message.type, MsgType::RButtonDown);
    EXPECT_EQ(s.events[2].message.type, MsgType::MouseMove);
    EXPECT_EQ(s.events[3].message.type, MsgType::SizeMinimized);
    EXPECT_EQ(s.events[4].message.type, MsgType::SizeRestored);
    EXPECT_EQ(s.events[5].message.type, MsgType::ActivateInactive);
    EXPECT_EQ(s.events[6].message.type, MsgType::ActivateActive);
    EXPECT_EQ(s.events[7].message.type, MsgType::Close);
}

TEST(ReplayScript, ElapsedLinesSetTheFrameTimesAndCountTowardsTheLastFrame)
{
    ReplayScript s = Parse("0 elapsed 16\n2 key 39\n7 elapsed 0\n9 elapsed 4294967295\n");
    EXPECT_EQ(s.events.size(), 1u);
    EXPECT_EQ(s.frameTimes, (std::map<uint32_t, uint32_t>{{0, 16}, {7, 0}, {9, 4294967295u}}));
    EXPECT_EQ(s.lastFrame, 9u);
    EXPECT_EQ(ErrorOf("1 elapsed\n").rfind("line 1:", 0), 0u);
    EXPECT_EQ(ErrorOf("1 elapsed -5\n").rfind("line 1:", 0), 0u);
    EXPECT_EQ(ErrorOf("1 elapsed 4294967296\n").rfind("line 1:", 0), 0u);
    EXPECT_EQ(ErrorOf("1 elapsed 5 6\n").rfind("line 1:", 0), 0u);
}

TEST(ReplayScript, RestoreMayGiveTheSizeAndTheMouseMayBeOutsideTheWindow)
{
    ReplayScript s = Parse("1 restore\n2 restore 1024 768\n3 move -4 -9\n");
    ASSERT_EQ(s.events.size(), 3u);
    EXPECT_EQ(s.events[0].message.x, 800);
    EXPECT_EQ(s.events[0].message.y, 600);
    EXPECT_EQ(s.events[1].message.x, 1024);
    EXPECT_EQ(s.events[1].message.y, 768);
    EXPECT_EQ(s.events[2].message.x, -4);
    EXPECT_EQ(s.events[2].message.y, -9);
    EXPECT_EQ(ErrorOf("1 restore 800\n").rfind("line 1:", 0), 0u);
    EXPECT_EQ(ErrorOf("1 restore 800 600 1\n").rfind("line 1:", 0), 0u);
}

TEST(ReplayScript, MalformedLinesNameTheirLineNumber)
{
    EXPECT_EQ(ErrorOf("1 key 39\nbanana\n").rfind("line 2:", 0), 0u);
    EXPECT_EQ(ErrorOf("1 key 256\n").rfind("line 1:", 0), 0u);
    EXPECT_EQ(ErrorOf("1 key 39 40\n").rfind("line 1:", 0), 0u);
    EXPECT_EQ(ErrorOf("-1 key 39\n").rfind("line 1:", 0), 0u);
    EXPECT_EQ(ErrorOf("1 click middle 3 4\n").rfind("line 1:", 0), 0u);
    EXPECT_EQ(ErrorOf("1 hold 39 0\n").rfind("line 1:", 0), 0u);
    EXPECT_EQ(ErrorOf("\n\n1 jump\n").rfind("line 3:", 0), 0u);
}

TEST(ReplayOptions, ParsesEveryOptionAndRejectsBadOnes)
{
    const char* argv[] = {"replay", "--data", "d", "--frames", "12", "--frame-ms", "16", "--trace", "t.jsonl",
                          "--trace-every", "5", "--screenshot", "3:a.png", "--screenshot", "3:b.png", "s.txt"};
    ReplayOptions o;
    std::string error;
    ASSERT_TRUE(ParseReplayOptions(16, const_cast<char**>(argv), o, error)) << error;
    EXPECT_EQ(o.dataDir, "d");
    EXPECT_TRUE(o.framesGiven);
    EXPECT_EQ(o.frames, 12u);
    EXPECT_EQ(o.frameMs, 16u);
    EXPECT_EQ(o.traceFile, "t.jsonl");
    EXPECT_EQ(o.traceEvery, 5u);
    EXPECT_EQ(o.screenshots.count(3), 2u);
    EXPECT_EQ(o.scriptFile, "s.txt");
    EXPECT_FALSE(o.help);

    const char* help[] = {"replay", "--help"};
    ASSERT_TRUE(ParseReplayOptions(2, const_cast<char**>(help), o, error));
    EXPECT_TRUE(o.help);

    for (std::vector<const char*> bad : {std::vector<const char*>{"r", "--frames"},
                                         {"r", "--frames", "x"},
                                         {"r", "--frame-ms", "0"},
                                         {"r", "--trace-every", "0"},
                                         {"r", "--screenshot", "a.png"},
                                         {"r", "--bogus"},
                                         {"r", "a", "b"}}) {
        ReplayOptions rejected;
        EXPECT_FALSE(ParseReplayOptions(int(bad.size()), const_cast<char**>(bad.data()), rejected, error))
            << bad.back();
    }
}

TEST(ReplayOptions, TimingTakesAFirstFrameAndTheCensusAFile)
{
    const char* timed[] = {"replay", "--timing", "50", "--frames", "600", "s.txt"};
    ReplayOptions o;
    std::string error;
    ASSERT_TRUE(ParseReplayOptions(6, const_cast<char**>(timed), o, error)) << error;
    EXPECT_EQ(o.timingFrom, 50u);
    EXPECT_TRUE(o.censusFile.empty());

    const char* census[] = {"replay", "--census", "c.bin", "--screenshot", "3:a.png"};
    ReplayOptions c;
    ASSERT_TRUE(ParseReplayOptions(5, const_cast<char**>(census), c, error)) << error;
    EXPECT_EQ(c.censusFile, "c.bin");
    EXPECT_EQ(c.timingFrom, 0u);

    const char* both[] = {"replay", "--timing", "5", "--census", "c.bin"};
    ReplayOptions b;
    EXPECT_FALSE(ParseReplayOptions(5, const_cast<char**>(both), b, error));
    EXPECT_NE(error.find("--timing runs without"), std::string::npos) << error;
}

}  // namespace
