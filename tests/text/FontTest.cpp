#include <gtest/gtest.h>
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"
#include "text/Font.h"

namespace {

// Widths 1, 2, 3, ... so that every entry is told apart.
std::string CountingWidths(size_t n)
{
    std::string bytes;
    for (size_t i = 0; i < n; ++i) bytes += char(i + 1);
    return bytes;
}

TEST(FontTest, LoadNeedsAllOfTheFirst128Bytes)
{
    TempDir dir;
    stext::Font font(2, 16.0f);
    EXPECT_FALSE(font.Load(dir.Write("short.dat", CountingWidths(127))));
    EXPECT_EQ(font.GetCharWidth(32), 0.0f) << "a failed load keeps the old table";

    EXPECT_TRUE(font.Load(dir.Write("exact.dat", CountingWidths(128))));
    EXPECT_EQ(font.GetCharWidth(32), 1.0f * 16 / 16);
    EXPECT_EQ(font.GetCharWidth(159), 128.0f);

    // Bytes past the table are ignored, whatever they are.
    std::string longer(128, char(4));
    longer += std::string(50, char(99));
    EXPECT_TRUE(font.Load(dir.Write("long.dat", longer)));
    EXPECT_EQ(font.GetCharWidth(159), 4.0f);
}

TEST(FontTest, MissingSourcesFail)
{
    ScopedHeadlessPlatform platform;
    TempDir dir;
    stext::Font font(2, 16.0f);
    EXPECT_FALSE(font.Load(dir.File("none.dat")));
    EXPECT_TRUE(platform.Boxes().empty());

    // Star names come from the executable: an unknown one says so, a known
    // one that is too short just fails.
    EXPECT_FALSE(font.Load("*nosuch.dat"));
    EXPECT_EQ(platform.Boxes(), std::vector<std::string>{"ERROR: Could not find resource"});
    EXPECT_FALSE(font.Load("*list.txt"));
    EXPECT_FALSE(font.Load("*empty.bin"));
}

TEST(FontTest, WidthsScaleWithSizeAndOnlyCover32To159)
{
    TempDir dir;
    stext::Font font(2, 24.0f);
    ASSERT_TRUE(font.Load(dir.Write("w.dat", std::string(128, char(16)))));
    EXPECT_EQ(font.GetCharWidth('A'), 24.0f) << "a raw width of 16 is one font size";
    EXPECT_EQ(font.GetCharWidth(31), 0.0f);
    EXPECT_EQ(font.GetCharWidth('\t'), 0.0f);
    EXPECT_EQ(font.GetCharWidth(160), 0.0f);
    EXPECT_EQ(font.GetCharWidth(255), 0.0f);
    EXPECT_EQ(font.GetSize(), 24.0f);
}

} // namespace
