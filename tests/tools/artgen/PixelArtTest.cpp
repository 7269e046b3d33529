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

struct BadArt {
    const char* text;
    const char* error;
};

class PixelArtErrors : public testing::TestWithParam<BadArt> {};

TEST_P(PixelArtErrors, NameTheFileLineAndProblem)
{
    PixelArtResult r = ParsePixelArt(GetParam().text, "bad.pix");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, GetParam().error);
}

const char* HEAD = "sheet 2 1 2 1\nkey .\ncolour a 1 2 3\n";

std::string WithHead(const char* rest) { return std::string(HEAD) + rest; }

const std::string BAD_CHAR = WithHead("frame 0\naQ\n");
const std::string SPACE_CHAR = WithHead("frame 0\na \n");
const std::string SHORT_ROW = WithHead("frame 0\na\n");
const std::string LONG_ROW = WithHead("frame 0\naaa\n");
const std::string EARLY_END = WithHead("frame 0\n");
const std::string FRAME_RANGE = WithHead("frame 2\naa\n");
const std::string FRAME_TWICE = WithHead("frame 0\naa\nframe 0\naa\n");
const std::string COPY_UNDEFINED = WithHead("frame 0 copy 1\n");
const std::string PATCH_OUTSIDE = WithHead("frame 0\naa\npatch 1 0 2 1\naa\n");
const std::string PATCH_FIRST = WithHead("patch 0 0 1 1\na\n");
const std::string DUP_COLOUR = WithHead("colour a 0 0 0\n");
const std::string BAD_VALUE = WithHead("colour b 1 2 256\n");
const std::string NOT_NUMBER = WithHead("colour b 1 x 3\n");
const std::string UNKNOWN = WithHead("frames 0\n");

INSTANTIATE_TEST_SUITE_P(
    Cases, PixelArtErrors,
    testing::Values(BadArt{BAD_CHAR.c_str(), "bad.pix:5: 'Q' is not in the palette"},
                    BadArt{SPACE_CHAR.c_str(), "bad.pix:5: character code 32 is not in the palette"},
                    BadArt{SHORT_ROW.c_str(), "bad.pix:5: row has 1 characters, expected 2"},
                    BadArt{LONG_ROW.c_str(), "bad.pix:5: row has 3 characters, expected 2"},
                    BadArt{EARLY_END.c_str(), "bad.pix:4: the file ends 1 rows early"},
                    BadArt{FRAME_RANGE.c_str(), "bad.pix:4: 2 is out of range (0 to 1)"},
                    BadArt{FRAME_TWICE.c_str(), "bad.pix:6: frame 0 is defined twice"},
                    BadArt{COPY_UNDEFINED.c_str(), "bad.pix:4: frame 1 is copied before it is defined"},
                    BadArt{PATCH_OUTSIDE.c_str(), "bad.pix:6: 2 is out of range (1 to 1)"},
                    BadArt{PATCH_FIRST.c_str(), "bad.pix:4: 'patch' before any frame"},
                    BadArt{DUP_COLOUR.c_str(), "bad.pix:4: 'a' is already in the palette"},
                    BadArt{BAD_VALUE.c_str(), "bad.pix:4: 256 is out of range (0 to 255)"},
                    BadArt{NOT_NUMBER.c_str(), "bad.pix:4: 'x' is not a number"},
                    BadArt{UNKNOWN.c_str(), "bad.pix:4: unknown directive 'frames'"},
                    BadArt{"colour a 1 2 3\nframe 0\n", "bad.pix:2: 'frame' before 'sheet'"},
                    BadArt{"# nothing\n", "bad.pix:1: no 'sheet' line"}));

} // namespace
