#include <gtest/gtest.h>
#include <filesystem>
#include "Cp1252.h"
#include "GlyphSheet.h"

namespace {

class GlyphSheetTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string error;
        ok = RasteriseFont(VELKAMIRE_TTF, 13, sheet, error);
    }
    static int Width(int code) { return sheet.widths[code - GlyphSheet::FIRST]; }
    // Brightest pixel of a character's cell at columns from..to-1.
    static int Brightest(int code, int from, int to)
    {
        int i = code - GlyphSheet::FIRST;
        int x0 = (i % 16) * 16, y0 = (i / 16) * 16, best = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = from; x < to; ++x) best = std::max(best, int(sheet.image.At(x0 + x, y0 + y).r));
        return best;
    }
    static GlyphSheet sheet;
    static bool ok;
};

GlyphSheet GlyphSheetTest::sheet;
bool GlyphSheetTest::ok = false;

TEST_F(GlyphSheetTest, GridIsSixteenByEightCellsWithRowZeroAtTheTop)
{
    ASSERT_TRUE(ok);
    EXPECT_EQ(sheet.image.Width(), 256);
    EXPECT_EQ(sheet.image.Height(), 128);
    // '!' is the second cell of the top row, '~' the second last of row 5.
    EXPECT_GT(Brightest('!', 0, 16), 200);
    EXPECT_GT(Brightest('~', 0, 16), 200);
    EXPECT_EQ(Brightest(' ', 0, 16), 0);
    EXPECT_GT(Brightest(0x80, 0, 16), 200);  // the euro sign of code page 1252
}

TEST_F(GlyphSheetTest, WidthsFitTheCellAndCoverEveryDrawnPixel)
{
    ASSERT_TRUE(ok);
    for (int code = 32; code < 160; ++code) {
        SCOPED_TRACE(code);
        EXPECT_GE(Width(code), 1);
        EXPECT_LE(Width(code), 16);
        // The game draws only the first `width` columns of a cell.
        EXPECT_EQ(Brightest(code, Width(code), 16), 0);
    }
    EXPECT_GE(Width(' '), 3);
    EXPECT_LE(Width(' '), 6);
    EXPECT_GT(Width('W'), Width('i'));
    EXPECT_EQ(Width('0'), Width('9'));  // figures line up in counters
}

TEST_F(GlyphSheetTest, CodesWithoutGlyphsAreBlankAndNarrow)
{
    ASSERT_TRUE(ok);
    for (int code : {127, 0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(Cp1252ToUnicode(static_cast<uint8_t>(code)), code == 127 ? 127u : 0u);
        EXPECT_EQ(Brightest(code, 0, 16), 0) << code;
        EXPECT_EQ(Width(code), 4) << code;
    }
}

TEST(GlyphSheet, WidthTableAndFontDatHoldExactly128Widths)
{
    GlyphSheet sheet;
    sheet.widths[0] = 5;
    sheet.widths[127] = 9;
    std::string table = WidthTable(sheet);
    ASSERT_EQ(table.size(), 128u);
    EXPECT_EQ(table[0], 5);
    EXPECT_EQ(table[127], 9);
    EXPECT_EQ(std::filesystem::file_size(std::string(VELKAMIRE_DATA_DIR) + "/Data/font.dat"), 128u);
}

TEST(GlyphSheet, AMissingFontIsReported)
{
    GlyphSheet sheet;
    std::string error;
    EXPECT_FALSE(RasteriseFont("/no/such/font.ttf", 13, sheet, error));
    EXPECT_EQ(error, "could not read the font /no/such/font.ttf");
}

} // namespace
