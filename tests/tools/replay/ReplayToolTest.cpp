#include <fstream>
#include <sstream>
#include "ReplayRun.h"

namespace {

using ReplayTool = ReplayRun;

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
