#include <gtest/gtest.h>
#include <filesystem>
#include "GlyphSheet.h"

namespace {

class GlyphSheetTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ok = RasteriseFont(VELKAMIRE_TTF, 13, sheet, error); }
    static int Width(int code) { return sheet.widths[code - GlyphSheet::FIRST]; }
    // Brightest pixel of a character's cell in the columns from..to-1.
    static int Brightest(int code, int from = 0, int to = 16)
    {
        int i = code - GlyphSheet::FIRST, x0 = (i % 16) * 16, y0 = (i / 16) * 16, best = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = from; x < to; ++x) best = std::max(best, int(sheet.image.At(x0 + x, y0 + y).r));
        return best;
    }
    static GlyphSheet sheet;
    static std::string error;
    static bool ok;
};

GlyphSheet GlyphSheetTest::sheet;
std::string GlyphSheetTest::error;
bool GlyphSheetTest::ok = false;

TEST_F(GlyphSheetTest, GridIsSixteenByEightCellsWithRowZeroAtTheTop)
{
    ASSERT_TRUE(ok) << error;
    EXPECT_EQ(sheet.image.Width(), 256);
    EXPECT_EQ(sheet.image.Height(), 128);
    EXPECT_GT(Brightest('!'), 200);   // second cell of the top row
    EXPECT_GT(Brightest('~'), 200);   // second last of row 5
    EXPECT_GT(Brightest(0x80), 200);  // the euro sign of code page 1252
    EXPECT_EQ(Brightest(' '), 0);
}

TEST_F(GlyphSheetTest, WidthsFitTheCellAndCoverEveryDrawnPixel)
{
    ASSERT_TRUE(ok) << error;
    for (int code = 32; code < 160; ++code) {
        EXPECT_GE(Width(code), 1) << code;
        EXPECT_LE(Width(code), 16) << code;
        // The game draws only the first `width` columns of a cell.
        EXPECT_EQ(Brightest(code, Width(code)), 0) << code;
    }
    EXPECT_GE(Width(' '), 3);
    EXPECT_LE(Width(' '), 6);
    EXPECT_GT(Width('W'), Width('i'));
    // Codes that have no character in code page 1252 are blank and narrow.
    for (int code : {127, 0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(Brightest(code), 0) << code;
        EXPECT_EQ(Width(code), 4) << code;
    }
}

TEST_F(GlyphSheetTest, WidthTableAndTheBuiltFontDatHoldExactly128Widths)
{
    std::string table = WidthTable(sheet);
    ASSERT_EQ(table.size(), 128u);
    EXPECT_EQ(table['A' - 32], Width('A'));
    EXPECT_EQ(std::filesystem::file_size(std::string(VELKAMIRE_DATA_DIR) + "/Data/font.dat"), 128u);
    GlyphSheet none;
    EXPECT_FALSE(RasteriseFont("/no/such/font.ttf", 13, none, error));
    EXPECT_EQ(error, "could not read the font /no/such/font.ttf");
}

} // namespace
