#include <fstream>
#include "ReplayRun.h"
#include "resources/WholeFile.h"

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

TEST_F(ReplayTool, ElapsedLinesGiveTheFramesTheirTime)
{
    // Frames 2 and 3 take no time; the step clock then runs none of the
    // game's steps, yet the frames are drawn.
    ASSERT_EQ(Run("0 elapsed 25\n2 elapsed 0\n4 elapsed 3\n", "--frame-ms 7"), 0);
    std::vector<std::string> lines = Trace();
    ASSERT_EQ(lines.size(), 5u);
    const char* ms[] = {"\"ms\":25,", "\"ms\":50,", "\"ms\":50,", "\"ms\":50,", "\"ms\":53,"};
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(Has(lines[i], ms[i])) << lines[i].substr(0, 40);
}

TEST_F(ReplayTool, DefaultFrameCountIsOnePastTheLastEvent)
{
    ASSERT_EQ(Run("4 key 77\n6 keyup 77\n", ""), 0);
    EXPECT_EQ(Trace().size(), 7u);
}

TEST_F(ReplayTool, BadScriptsAndArgumentsExitWithTwo)
{
    EXPECT_EQ(Run("1 key\n", ""), 2);
    std::string text = ReadWholeFile(dir / "stderr.txt");
    EXPECT_TRUE(Has(text, "line 1")) << text;
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

TEST_F(ReplayTool, EditorPlacesDeletesAndSavesThroughItsPrompts)
{
    std::string script =
        "2 key 69\n3 keyup 69\n"               // E: the editor, and its load prompt
        "10 key 13\n11 keyup 13\n"             // Enter loads the level named: lev1.dat
        "20 click left 48 552\n"               // the wall in the palette
        "21 click left 300 150\n"              // a wall at (288, 444)
        "22 click left 340 150\n"              // and one at (352, 444)
        "23 click right 0 0\n"
        "24 click left 288 156\n"              // select the first again
        "25 key 46\n26 keyup 46\n"            // Delete
        "30 key 83\n31 keyup 83\n"            // S: the save prompt
        "35 key 8\n35 key 8\n35 key 8\n35 key 8\n35 key 8\n35 key 8\n35 key 8\n35 key 8\n"
        "36 type mine.dat\n37 key 13\n";
    ASSERT_EQ(Run(script, "--frames 40"), 0);
    std::vector<std::string> lines = Trace();
    EXPECT_TRUE(Has(lines[5], "\"state\":5,"));
    EXPECT_TRUE(Has(lines.back(), "\"state\":1,"));
    EXPECT_TRUE(Has(lines.back(), "\"level\":\"mine.dat\""));

    // The saved level is the first level and one more wall at (352, 444).
    std::string original = ReadWholeFile(dir / "data/Data/Levels/lev1.dat");
    std::string saved = ReadWholeFile(dir / "data/Data/Levels/mine.dat");
    ASSERT_EQ(saved.size(), original.size() + 12);
    const unsigned char wall[12] = {1, 0, 0, 0, 0, 0, 0xB0, 0x43, 0, 0, 0xDE, 0x43};
    EXPECT_NE(saved.find(std::string(reinterpret_cast<const char*>(wall), 12)), std::string::npos);
}

}  // namespace
