#include <gtest/gtest.h>
#include "PixelArt.h"

namespace {

const Rgba A{10, 20, 30, 255};
const Rgba B{200, 100, 50, 128};

TEST(PixelArt, FramesLandInTheirCellsCopiesAndPatchesApply)
{
    // Two by two cells of 2 x 2; frame 1 is never given, frame 3 copies 0.
    const char* text =
        "# a test sheet\r\n"
        "sheet 2 2 2 2\r\n"
        "key .\n"
        "colour a 10 20 30\n"
        "\n"
        "colour b 200 100 50 128\n"
        "frame 0\n"
        "ab\n"
        "ba\n"
        "frame 2\n"
        "bb\n"
        "..\n"
        "frame 3 copy 0\n"
        "patch 1 1 1 1\n"
        "b\n";
    PixelArtResult r = ParsePixelArt(text, "t.pix");
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(r.image.Width(), 4);
    ASSERT_EQ(r.image.Height(), 4);
    EXPECT_EQ(r.image.At(0, 0), A);
    EXPECT_EQ(r.image.At(1, 0), B);
    EXPECT_EQ(r.image.At(0, 1), B);
    EXPECT_EQ(r.image.At(3, 0), KEY_COLOUR);  // frame 1: top right, unfilled
    EXPECT_EQ(r.image.At(0, 2), B);           // frame 2: bottom left
    EXPECT_EQ(r.image.At(1, 3), KEY_COLOUR);
    EXPECT_EQ(r.image.At(2, 2), A);           // frame 3: bottom right, copied
    EXPECT_EQ(r.image.At(3, 2), B);
    EXPECT_EQ(r.image.At(3, 3), B);           // and patched
}

TEST(PixelArt, SheetsWithoutKeyLeaveUnfilledCellsClear)
{
    PixelArtResult r = ParsePixelArt("sheet 1 1 2 1\ncolour a 1 1 1\nframe 1\na\n", "t.pix");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.image.At(0, 0), (Rgba{0, 0, 0, 0}));
    EXPECT_EQ(r.image.At(1, 0), (Rgba{1, 1, 1, 255}));
}

TEST(PixelArt, MistakesNameTheFileLineAndProblem)
{
    const std::string head = "sheet 2 1 2 1\nkey .\ncolour a 1 2 3\n";
    const std::pair<std::string, std::string> cases[] = {
        {head + "frame 0\naQ\n", "bad.pix:5: 'Q' is not in the palette"},
        {head + "frame 0\na\n", "bad.pix:5: row has 1 characters, expected 2"},
        {head + "frame 0\naaa\n", "bad.pix:5: row has 3 characters, expected 2"},
        {head + "frame 0\n", "bad.pix:4: the file ends 1 rows early"},
        {head + "frame 2\naa\n", "bad.pix:4: 2 is out of range (0 to 1)"},
        {head + "frame 0 copy 1\n", "bad.pix:4: frame 1 is copied before it is defined"},
        {head + "frame 0\naa\npatch 1 0 2 1\naa\n", "bad.pix:6: 2 is out of range (1 to 1)"},
        {head + "colour b 1 2 256\n", "bad.pix:4: 256 is out of range (0 to 255)"},
        {"colour a 1 2 3\nframe 0\n", "bad.pix:2: 'frame' before 'sheet'"},
    };
    for (const auto& [text, error] : cases) {
        PixelArtResult r = ParsePixelArt(text, "bad.pix");
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.error, error);
    }
}

} // namespace
