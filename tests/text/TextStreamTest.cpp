#include <gtest/gtest.h>
#include "TextTestFont.h"
#include "text/TextStream.h"

using namespace stext;

namespace {

class TextStreamTest : public ::testing::Test {
protected:
    TestFont font;  // 8 units a glyph, 'W' 16, size 16
    TextStream stream{&font};
    GlRecorder recorder;

    std::vector<DrawnQuad> Quads() const { return RecordedQuads(recorder); }
};

TEST_F(TextStreamTest, GlyphQuadsHaveTheirCellsTextureCoordinates)
{
    stream << Align(0, 0) << Pos(10, 500) << "AW" << End;
    auto q = Quads();
    ASSERT_EQ(q.size(), 2u);
    // 'A' is cell 33: column 1 of row 2; half a cell wide.
    const float a[4][2] = {{0.0625f, 0.625f}, {0.09375f, 0.625f}, {0.09375f, 0.75f}, {0.0625f, 0.75f}};
    const float av[4][2] = {{10, 484}, {18, 484}, {18, 500}, {10, 500}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(q[0].tex[i][0], a[i][0]) << i;
        EXPECT_FLOAT_EQ(q[0].tex[i][1], a[i][1]) << i;
        EXPECT_FLOAT_EQ(q[0].vert[i][0], av[i][0]) << i;
        EXPECT_FLOAT_EQ(q[0].vert[i][1], av[i][1]) << i;
    }
    // 'W' is cell 55: column 7 of row 3, a full cell from where 'A' ended.
    EXPECT_FLOAT_EQ(q[1].tex[0][0], 7 * 0.0625f);
    EXPECT_FLOAT_EQ(q[1].tex[1][0], 8 * 0.0625f);
    EXPECT_FLOAT_EQ(q[1].tex[0][1], 1 - 4 * 0.125f);
    EXPECT_FLOAT_EQ(q[1].Left(), 18);
    EXPECT_FLOAT_EQ(q[1].Width(), 16);
    EXPECT_EQ(recorder.Named("begin").size(), 1u);
    EXPECT_EQ(recorder.Named("end").size(), 1u);
}

TEST_F(TextStreamTest, LineFeedsStartLinesOneFontSizeLower)
{
    stream << Align(0, 0) << Pos(0, 600) << "a\nb" << End;
    auto q = Quads();
    ASSERT_EQ(q.size(), 2u);
    EXPECT_FLOAT_EQ(q[0].Left(), 0);
    EXPECT_FLOAT_EQ(q[0].Top(), 600);
    EXPECT_FLOAT_EQ(q[1].Left(), 0);
    EXPECT_FLOAT_EQ(q[1].Top(), 584);
}

TEST_F(TextStreamTest, LaterValuesAppendToTheTextAfterALineFeed)
{
    stream << Pos(0, 100) << "x\ny" << "z" << 42 << End;
    auto q = Quads();
    ASSERT_EQ(q.size(), 5u);
    EXPECT_FLOAT_EQ(q[0].Top(), 100);
    for (size_t i = 1; i < 5; ++i) {
        EXPECT_FLOAT_EQ(q[i].Top(), 84) << i;
        EXPECT_FLOAT_EQ(q[i].Left(), 8.0f * (i - 1)) << i;
    }
}

TEST_F(TextStreamTest, EachLineIsAlignedOnItsOwnWidth)
{
    // "abc" is 24 wide, "W" 16.
    const float firstStart[3] = {400, 388, 376};
    const float secondStart[3] = {400, 392, 384};
    for (uint32_t h = 0; h < 3; ++h) {
        recorder.Clear();
        stream << Align(h, 0) << Pos(400, 300) << "abc\nW" << End;
        auto q = Quads();
        ASSERT_EQ(q.size(), 4u);
        EXPECT_FLOAT_EQ(q[0].Left(), firstStart[h]) << "h=" << h;
        EXPECT_FLOAT_EQ(q[3].Left(), secondStart[h]) << "h=" << h;
    }
}

TEST_F(TextStreamTest, VerticalAlignmentCountsTheEmptyLastLine)
{
    struct Case {
        uint32_t v;
        const char* text;
        float top;
    } cases[] = {
        {0, "a\nb", 300},  {1, "a\nb", 316}, {2, "a\nb", 332},
        {1, "a", 308},     {2, "a\n", 332},  {1, "a\nb\n", 324},
    };
    for (const Case& c : cases) {
        recorder.Clear();
        stream << Align(0, c.v) << Pos(0, 300) << c.text << End;
        auto q = Quads();
        ASSERT_FALSE(q.empty());
        EXPECT_FLOAT_EQ(q[0].Top(), c.top) << "v=" << c.v << " text " << c.text;
    }
}

TEST_F(TextStreamTest, ColourRunsContinueTheLineAndAlignOnTheFirstRun)
{
    stream << Align(1, 0) << Pos(400, 300) << Color(0x0000FF) << "ab" << Color(0x80FF0000) << "cd\n"
           << "e" << End;
    auto q = Quads();
    ASSERT_EQ(q.size(), 5u);
    // The line is centred on the width of "ab" only.
    EXPECT_FLOAT_EQ(q[0].Left(), 392);
    EXPECT_FLOAT_EQ(q[2].Left(), 408);
    EXPECT_FLOAT_EQ(q[2].Top(), 300);
    EXPECT_EQ(q[0].color, (std::vector<float>{0, 0, 1, 1}));
    EXPECT_EQ(q[2].color, (std::vector<float>{1, 0, 0, 127 / 255.0f}));
    // The next line keeps the last colour and is centred on its own.
    EXPECT_FLOAT_EQ(q[4].Left(), 396);
    EXPECT_FLOAT_EQ(q[4].Top(), 284);
    EXPECT_EQ(q[4].color, q[2].color);
}

TEST_F(TextStreamTest, PosAndAlignDrawWhatIsPendingFirst)
{
    stream << Pos(10, 100) << "a";
    EXPECT_TRUE(Quads().empty());
    stream << Pos(50, 200);
    ASSERT_EQ(Quads().size(), 1u);
    stream << "b" << Align(2, 0);
    ASSERT_EQ(Quads().size(), 2u);
    stream << "c" << End;
    auto q = Quads();
    ASSERT_EQ(q.size(), 3u);
    EXPECT_FLOAT_EQ(q[0].Left(), 10);
    EXPECT_FLOAT_EQ(q[0].Top(), 100);
    EXPECT_FLOAT_EQ(q[1].Left(), 50) << "drawn with the alignment it was written under";
    EXPECT_FLOAT_EQ(q[2].Left(), 42);
}

TEST_F(TextStreamTest, NothingPendingDrawsNothing)
{
    stream << End << Color(0xFF0000) << End << Pos(1, 2) << Align(1, 1) << "" << End;
    stream << "\n" << End;  // a lone line feed is an empty line
    EXPECT_TRUE(recorder.Calls().empty());
    stream << Color(0x123456) << "a" << Color(0xFF0000) << End;
    EXPECT_EQ(Quads().size(), 1u);
    recorder.Clear();
    stream << End;
    EXPECT_TRUE(recorder.Calls().empty()) << "End empties the stream";
}

TEST_F(TextStreamTest, CharactersWithoutGlyphsAreSkipped)
{
    EXPECT_FLOAT_EQ(stream.GetTextWidth("a\tb\r\xC8" "c\nWWW"), 24);
    stream << Pos(0, 100) << "a\tb\r\xC8" "c" << End;
    auto q = Quads();
    ASSERT_EQ(q.size(), 3u);
    EXPECT_FLOAT_EQ(q[1].Left(), 8);
    EXPECT_FLOAT_EQ(q[2].Left(), 16);
}

TEST_F(TextStreamTest, ColourAlphaIsTheComplementOfTheTopByte)
{
    stream << Color(0xFF0000) << "a" << Color(0xFF00FF00) << "b" << Color(0x7F000000) << "c" << End;
    auto q = Quads();
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[0].color, (std::vector<float>{1, 0, 0, 1}));
    EXPECT_EQ(q[1].color, (std::vector<float>{0, 1, 0, 0}));
    EXPECT_EQ(q[2].color, (std::vector<float>{0, 0, 0, 128 / 255.0f}));
}

TEST(sLineTest, CopiesKeepTextAndColourAndAppendAfterIt)
{
    sLine a("ab", 0xFF);
    sLine b(a);
    sLine c;
    c = a;
    b.text << "c";
    c.text << 7;
    EXPECT_EQ(b.Text(), "abc");
    EXPECT_EQ(c.Text(), "ab7");
    EXPECT_EQ(c.color, 0xFFu);
    EXPECT_EQ(a.Text(), "ab");
}

} // namespace
