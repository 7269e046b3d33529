#include <gtest/gtest.h>
#include <filesystem>
#include <vector>
#include "shell/GameOptions.h"

namespace {

GameOptions Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "velkamire");
    return ParseGameOptions(int(args.size()), args.data());
}

std::string Absolute(const std::string& path) { return std::filesystem::absolute(path).lexically_normal().string(); }

TEST(GameOptions, NoArgumentsPlays)
{
    GameOptions o = Parse({});
    EXPECT_EQ(o.action, GameOptions::Action::Play);
    EXPECT_TRUE(o.recordFile.empty());
    EXPECT_TRUE(o.traceFile.empty());
}

TEST(GameOptions, RecordAndTraceTakeFilesMadeAbsolute)
{
    GameOptions o = Parse({"--record", "play.txt", "--trace=out/../trace.jsonl"});
    EXPECT_EQ(o.action, GameOptions::Action::Play);
    EXPECT_EQ(o.recordFile, Absolute("play.txt"));
    EXPECT_EQ(o.traceFile, Absolute("trace.jsonl"));
    EXPECT_EQ(Parse({"--record", "/tmp/a b.txt"}).recordFile, "/tmp/a b.txt");
}

TEST(GameOptions, HelpAndVersion)
{
    EXPECT_EQ(Parse({"--help"}).action, GameOptions::Action::Help);
    EXPECT_EQ(Parse({"-h"}).action, GameOptions::Action::Help);
    EXPECT_EQ(Parse({"--version"}).action, GameOptions::Action::Version);
}

TEST(GameOptions, RefusesWhatItDoesNotKnowAndSaysWhy)
{
    struct Case {
        std::vector<const char*> args;
        std::string why;
    };
    const Case cases[] = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"-x"}, "unknown option -x"},
        {{"--help=yes"}, "unknown option --help=yes"},
        {{"--record"}, "--record needs a file"},
        {{"--trace="}, "--trace needs a file"},
        {{"level.dat"}, "unexpected argument level.dat"},
        {{"--help", "--bogus"}, "unknown option --bogus"},
        {{"--record", "same.txt", "--trace", "./same.txt"}, "--record and --trace need two different files"},
    };
    for (const Case& c : cases) {
        GameOptions o = Parse(c.args);
        EXPECT_EQ(o.action, GameOptions::Action::Refuse) << c.why;
        EXPECT_EQ(o.error, c.why);
    }
}

}  // namespace
