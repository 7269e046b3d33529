#include "LevelBytes.h"
#include "support/TempDir.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs a command with its output and errors going to files in `dir`;
// returns the exit status.
int RunCommand(const TempDir& dir, const std::string& args)
{
    std::string command = args + " >" + dir.File("out.txt") + " 2>" + dir.File("err.txt");
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Levelc(const std::string& args) { return std::string("'") + LEVELC_EXE + "' " + args; }

}  // namespace

TEST(LevelcCommand, CompileThenDecompileToStandardOutput)
{
    TempDir dir;
    std::string src = dir.Write("room.lvl", "at 32 92 floor + player\nat 64 92 elevator \"lev2.dat\"\n");
    ASSERT_EQ(RunCommand(dir, Levelc("compile " + src + " " + dir.File("room.dat"))), 0) << Slurp(dir.File("err.txt"));
    LevelBytes expected;
    expected.Record(0, 32, 92).Record(5, 32, 92).Record(14, 64, 92).Name("lev2.dat");
    EXPECT_EQ(Slurp(dir.File("room.dat")), expected.Bytes());

    ASSERT_EQ(RunCommand(dir, Levelc("decompile " + dir.File("room.dat") + " -")), 0) << Slurp(dir.File("err.txt"));
    std::string text = Slurp(dir.File("out.txt"));
    EXPECT_NE(text.find("@"), std::string::npos) << text;
    EXPECT_FALSE(std::filesystem::exists(dir.File("-")));
}

TEST(LevelcCommand, BadSourceReportsFileAndLineAndWritesNothing)
{
    TempDir dir;
    std::string src = dir.Write("bad.lvl", "# one\nat 1 2 wall\nat 1 2 zombie sideways\n");
    std::string out = dir.File("bad.dat");
    EXPECT_EQ(RunCommand(dir, Levelc("compile " + src + " " + out)), 1);
    EXPECT_NE(Slurp(dir.File("err.txt")).find(src + ":3: zombie's direction"), std::string::npos)
        << Slurp(dir.File("err.txt"));
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_FALSE(std::filesystem::exists(out + ".part"));
}

TEST(LevelcCommand, TruncatedLevelIsRefused)
{
    TempDir dir;
    LevelBytes level;
    level.Record(0, 32, 92).Record(4, 64, 92).Word(3);  // the switch lacks its state
    std::string in = dir.Write("cut.dat", level.Bytes());
    std::string out = dir.File("cut.lvl");
    EXPECT_EQ(RunCommand(dir, Levelc("decompile " + in + " " + out)), 1);
    std::string err = Slurp(dir.File("err.txt"));
    EXPECT_NE(err.find("cut.dat: file ends inside record 2 (byte offset 12): its payload needs 8 bytes, only 4 remain"),
              std::string::npos)
        << err;
    EXPECT_FALSE(std::filesystem::exists(out));

    dir.Write("short.dat", level.Bytes().substr(0, 20));
    EXPECT_EQ(RunCommand(dir, Levelc("decompile " + dir.File("short.dat") + " -")), 1);
    EXPECT_NE(Slurp(dir.File("err.txt")).find("record 2 (byte offset 12): its common part needs 12 bytes, only 8"),
              std::string::npos);
    EXPECT_EQ(Slurp(dir.File("out.txt")), "");
}

TEST(LevelcCommand, UsageAndMissingFiles)
{
    TempDir dir;
    EXPECT_EQ(RunCommand(dir, Levelc("compile only-one-argument")), 2);
    EXPECT_NE(Slurp(dir.File("err.txt")).find("usage:"), std::string::npos);
    EXPECT_EQ(RunCommand(dir, Levelc("decompile " + dir.File("missing.dat") + " -")), 1);
    EXPECT_NE(Slurp(dir.File("err.txt")).find("cannot read"), std::string::npos);
    EXPECT_EQ(RunCommand(dir, Levelc("compile " + dir.Path().string() + " " + dir.File("x.dat"))), 1);
}

TEST(SaveFileScript, WritesTheFirstLevelOnlyWhenMissing)
{
    TempDir dir;
    std::string save = dir.File("Data/Levels/save.dat");
    std::filesystem::create_directories(dir.Path() / "Data/Levels");
    std::string run = std::string("'") + LEVELC_CMAKE + "' -DSAVE_FILE=" + save + " -P '" + LEVELC_SAVE_SCRIPT + "'";
    ASSERT_EQ(RunCommand(dir, run), 0) << Slurp(dir.File("err.txt"));
    EXPECT_EQ(Slurp(save), "lev1.dat");

    dir.Write("Data/Levels/save.dat", "lev4.dat");
    ASSERT_EQ(RunCommand(dir, run), 0);
    EXPECT_EQ(Slurp(save), "lev4.dat");
    dir.Write("Data/Levels/save.dat", "");
    ASSERT_EQ(RunCommand(dir, run), 0);
    EXPECT_EQ(Slurp(save), "") << "an empty save file is the player's too";
}
