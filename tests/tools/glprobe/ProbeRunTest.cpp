#include <gtest/gtest.h>
#include <sys/wait.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include "Census.h"
#include "SourceCompiler.h"
#include "support/PngPixels.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// A small room: floors, walls, a block, a player and an elevator.
const char ROOM[] =
    "legend E = floor + elevator \"lev2.dat\"\n"
    "|                          |\n|                          |\n|                          |\n"
    "|                          |\n|                          |\n|                          |\n"
    "|   #######                |\n|   #..E..#                |\n|   #.@.B.#                |\n"
    "|   #######                |\n|                          |\n|                          |\n"
    "|                          |\n|                          |\n|                          |\n"
    "|                          |\n|                          |\n|                          |\n";

// Runs the replay tool and the probe on a copy of the game's data with
// ROOM as the level the game starts on.
class ProbeRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy(VELKAMIRE_DATA_DIR, data, fs::copy_options::recursive);
        std::string bytes;
        std::vector<std::string> errors;
        ASSERT_TRUE(levelc::CompileSource(ROOM, "room.dat", bytes, errors));
        std::ofstream(data / "Data/Levels/room.dat", std::ios::binary) << bytes;
        std::ofstream(data / "Data/Levels/save.dat") << "room.dat";
    }

    // The exit code; the standard output is kept in `output`.
    int Run(const std::string& tool, const std::string& args)
    {
        std::string command = tool + " --data " + data.string() + " " + args + " >" + dir.File("out.txt") +
                              " 2>" + dir.File("err.txt");
        int status = std::system(command.c_str());
        std::ifstream in(dir.File("out.txt"));
        output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The number after "key=" in the output; -1 when missing.
    double Field(const std::string& key) const
    {
        size_t at = output.find(key + "=");
        return at == std::string::npos ? -1.0 : std::atof(output.c_str() + at + key.size() + 1);
    }

    TempDir dir;
    fs::path data = dir.Path() / "data";
    std::string output;
};

TEST_F(ProbeRun, TheCensusHoldsEveryQuadOfEveryFrame)
{
    ASSERT_EQ(Run(REPLAY_TOOL, "--frames 3 --census " + dir.File("c.bin")), 0);
    std::vector<CensusFrame> frames;
    std::string error;
    ASSERT_TRUE(ReadCensus(dir.File("c.bin"), frames, error)) << error;
    ASSERT_EQ(frames.size(), 3u);
    const std::vector<CensusQuad>& quads = frames[2].quads;
    ASSERT_FALSE(quads.empty());
    // The background first, over the whole screen.
    EXPECT_EQ(quads[0].texture, 20u);
    EXPECT_FLOAT_EQ(quads[0].x[0], 0.0f);
    EXPECT_FLOAT_EQ(quads[0].x[1], 800.0f);
    EXPECT_FLOAT_EQ(quads[0].y[2], 600.0f);
    auto count = [&](uint32_t texture) {
        return std::count_if(quads.begin(), quads.end(), [&](const CensusQuad& q) { return q.texture == texture; });
    };
    EXPECT_EQ(count(1), 10);  // floors
    EXPECT_EQ(count(3), 18);  // walls
    EXPECT_EQ(count(4), 1);   // the block
    EXPECT_EQ(count(13), 1);  // the elevator
    EXPECT_EQ(count(0), 1);   // the player
}

TEST_F(ProbeRun, TheProbeDrawsWhatTheGameDrew)
{
    // Nothing of this room overlaps in a way that batching by texture
    // could change, so the probe's picture is the game's.
    ASSERT_EQ(Run(REPLAY_TOOL, "--frames 3 --census " + dir.File("c.bin") + " --screenshot 2:" + dir.File("game.png")), 0);
    // Batched, and unbatched in the game's own order.
    for (std::string mode : {"", "--in-order "}) {
        ASSERT_EQ(Run(GLPROBE_TOOL, mode + "--picture 2:" + dir.File("probe.png") + " " + dir.File("c.bin")), 0);
        EXPECT_EQ(DifferingPixels(ReadPng(dir.File("game.png")), ReadPng(dir.File("probe.png"))), 0) << mode;
    }
}

TEST_F(ProbeRun, TimingModesReportTheTimedFramesAndStartUp)
{
    ASSERT_EQ(Run(REPLAY_TOOL, "--frames 8 --timing 3"), 0);
    EXPECT_EQ(Field("frames"), 5.0) << output;
    EXPECT_GT(Field("cpu_ms"), 0.0) << output;
    EXPECT_GT(Field("startup_cpu_ms"), 0.0) << output;
    EXPECT_GT(Field("startup_wall_ms"), 0.0) << output;

    ASSERT_EQ(Run(REPLAY_TOOL, "--frames 6 --census " + dir.File("c.bin")), 0);
    ASSERT_EQ(Run(GLPROBE_TOOL, "--timing 2 " + dir.File("c.bin")), 0);
    EXPECT_EQ(Field("frames"), 4.0) << output;
    EXPECT_GT(Field("cpu_ms"), 0.0) << output;

    // Nothing to time is a failure, not a figure of zero.
    EXPECT_EQ(Run(REPLAY_TOOL, "--frames 4 --timing 4"), 1);
    EXPECT_EQ(Run(GLPROBE_TOOL, "--timing 6 " + dir.File("c.bin")), 1);
}

TEST_F(ProbeRun, TimingRunsAlone)
{
    EXPECT_EQ(Run(REPLAY_TOOL, "--frames 4 --timing 1 --trace " + dir.File("t.jsonl")), 2);
    EXPECT_EQ(Run(REPLAY_TOOL, "--frames 4 --timing 1 --screenshot 1:" + dir.File("s.png")), 2);
    EXPECT_EQ(Run(REPLAY_TOOL, "--frames 4 --timing 0"), 2);
    EXPECT_EQ(Run(GLPROBE_TOOL, dir.File("missing.bin")), 2);
}

}  // namespace
