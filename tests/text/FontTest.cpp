#include <gtest/gtest.h>
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"
#include "text/Font.h"

TEST(FontTest, LoadNeedsTheWhole128ByteTable)
{
    ScopedHeadlessPlatform platform;
    TempDir dir;
    stext::Font font(2, 24.0f);
    EXPECT_FALSE(font.Load(dir.Write("short.dat", std::string(127, char(16)))));
    EXPECT_FALSE(font.Load(dir.File("none.dat")));
    EXPECT_EQ(font.GetCharWidth('A'), 0.0f) << "failed loads keep the old table";

    // Bytes past the table are ignored; a raw width of 16 is one font size.
    std::string bytes(128, char(16));
    bytes[127] = char(4);
    EXPECT_TRUE(font.Load(dir.Write("long.dat", bytes + std::string(50, char(99)))));
    EXPECT_EQ(font.GetCharWidth('A'), 24.0f);
    EXPECT_EQ(font.GetCharWidth(159), 6.0f);
    for (int c : {0, 9, 31, 160, 255}) EXPECT_EQ(font.GetCharWidth(uint8_t(c)), 0.0f) << c;

    // Star names come from the executable; only an unknown one says so.
    EXPECT_FALSE(font.Load("*list.txt"));
    EXPECT_TRUE(platform.Boxes().empty());
    EXPECT_FALSE(font.Load("*nosuch.dat"));
    EXPECT_EQ(platform.Boxes(), std::vector<std::string>{"ERROR: Could not find resource"});
}
