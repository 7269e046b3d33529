#include <gtest/gtest.h>
#include <set>
#include "RandomInput.h"
#include "ReplayOptions.h"
#include "ReplayScript.h"

namespace {

TEST(RandomInput, TheSameSeedGivesTheSameScript)
{
    EXPECT_EQ(RandomReplayScript(5, 3000), RandomReplayScript(5, 3000));
    EXPECT_NE(RandomReplayScript(5, 3000), RandomReplayScript(6, 3000));
}

// A soak must run to its end and reach every part of the game: never
// Escape or close, every event inside the run, and over a long run each
// kind of input the game handles.
TEST(RandomInput, ScriptsParseStayInsideTheRunAndReachEveryKindOfInput)
{
    std::set<MsgType> kinds;
    std::set<uint32_t> keys;
    for (uint64_t seed : {1u, 2u, 3u}) {
        ReplayScript script;
        std::string error;
        ASSERT_TRUE(ParseReplayScript(RandomReplayScript(seed, 20000), script, error)) << error;
        ASSERT_GT(script.events.size(), 1000u);
        EXPECT_LT(script.lastFrame, 20000u);
        for (const ScriptEvent& e : script.events) {
            kinds.insert(e.message.type);
            EXPECT_NE(e.message.type, MsgType::Close);
            if (e.message.type == MsgType::KeyDown) {
                EXPECT_NE(e.message.wParam, 27u);  // Escape would end the run
                keys.insert(e.message.wParam);
            }
        }
    }
    for (MsgType kind : {MsgType::KeyDown, MsgType::KeyUp, MsgType::Char, MsgType::LButtonDown, MsgType::RButtonDown,
                         MsgType::MouseMove, MsgType::ActivateInactive, MsgType::ActivateActive,
                         MsgType::SizeMinimized, MsgType::SizeRestored})
        EXPECT_EQ(kinds.count(kind), 1u) << static_cast<int>(kind);
    for (uint32_t key : {37u, 38u, 39u, 40u, uint32_t('F'), uint32_t('D'), uint32_t('N'), uint32_t('S'), uint32_t('P'),
                         uint32_t('E'), uint32_t('C'), uint32_t('M'), 122u, 13u, 8u, 46u, 45u, 32u})
        EXPECT_EQ(keys.count(key), 1u) << key;
}

TEST(RandomInput, TheOptionNeedsAFrameCountAndNoScript)
{
    const char* good[] = {"r", "--random", "42", "--frames", "100", "--rss", "m.txt"};
    ReplayOptions o;
    std::string error;
    ASSERT_TRUE(ParseReplayOptions(7, const_cast<char**>(good), o, error)) << error;
    EXPECT_TRUE(o.randomGiven);
    EXPECT_EQ(o.randomSeed, 42u);
    EXPECT_EQ(o.rssFile, "m.txt");
    for (std::vector<const char*> bad : {std::vector<const char*>{"r", "--random", "1"},
                                         {"r", "--random", "1", "--frames", "9", "s.txt"},
                                         {"r", "--random", "x", "--frames", "9"},
                                         {"r", "--rss"}}) {
        ReplayOptions rejected;
        EXPECT_FALSE(ParseReplayOptions(int(bad.size()), const_cast<char**>(bad.data()), rejected, error))
            << bad.back();
    }
}

}  // namespace
