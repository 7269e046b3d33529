#include <gtest/gtest.h>
#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Runs the replay tool on a copy of the game's data directory, so that
// runs which save cannot touch the build's data.
class ReplayTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("velkamire-replay-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy(VELKAMIRE_DATA_DIR, dir / "data", fs::copy_options::recursive);
    }
    void TearDown() override { fs::remove_all(dir); }

    int Run(const std::string& script, const std::string& args)
    {
        std::ofstream(dir / "script.txt") << script;
        std::string command = std::string(REPLAY_TOOL) + " --data " + (dir / "data").string() + " --trace " +
                              (dir / "trace.jsonl").string() + " " + args + " " + (dir / "script.txt").string() +
                              " 2>" + (dir / "stderr.txt").string();
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::vector<std::string> Trace() const
    {
        std::ifstream in(dir / "trace.jsonl");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    fs::path dir;
};

bool Has(const std::string& line, const std::string& part) { return line.find(part) != std::string::npos; }

TEST_F(ReplayTool, RunsTheFramesAndTracesEachOne)
{
    ASSERT_EQ(Run("", "--frames 5"), 0);
    std::vector<std::string> lines = Trace();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_TRUE(Has(lines[0], "{\"frame\":0,\"ms\":10,"));
    EXPECT_TRUE(Has(lines[4], "\"frame\":4,\"ms\":50,"));
    EXPECT_TRUE(Has(lines[4], "\"ended\":false"));
}

TEST_F(ReplayTool, EscapeEndsTheProgramAndTheLastLineSaysSo)
{
    ASSERT_EQ(Run("3 key 27\n", "--frames 100"), 0);
    std::vector<std::string> lines = Trace();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(Has(lines.back(), "\"frame\":3,"));
    EXPECT_TRUE(Has(lines.back(), "\"ended\":true"));
}

TEST_F(ReplayTool, TraceEveryKeepsEveryKthFrameAndTheLast)
{
    ASSERT_EQ(Run("", "--frames 7 --trace-every 3"), 0);
    std::vector<std::string> lines = Trace();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(Has(lines[0], "\"frame\":0,"));
    EXPECT_TRUE(Has(lines[1], "\"frame\":3,"));
    EXPECT_TRUE(Has(lines[2], "\"frame\":6,"));
}

TEST_F(ReplayTool, DefaultFrameCountIsOnePastTheLastEvent)
{
    ASSERT_EQ(Run("4 key 77\n6 keyup 77\n", ""), 0);
    EXPECT_EQ(Trace().size(), 7u);
}

TEST_F(ReplayTool, BadScriptsAndArgumentsExitWithTwo)
{
    EXPECT_EQ(Run("1 key\n", ""), 2);
    std::ifstream err(dir / "stderr.txt");
    std::stringstream text;
    text << err.rdbuf();
    EXPECT_TRUE(Has(text.str(), "line 1")) << text.str();
    EXPECT_EQ(Run("", "--frames nine"), 2);
}

TEST_F(ReplayTool, ScreenshotsAreWrittenAsPng)
{
    fs::path shot = dir / "shot.png";
    ASSERT_EQ(Run("", "--frames 3 --screenshot 2:" + shot.string()), 0);
    std::ifstream png(shot, std::ios::binary);
    char magic[8] = {};
    png.read(magic, 8);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
    EXPECT_GT(fs::file_size(shot), 1000u);
}

}  // namespace
