#include <gtest/gtest.h>
#include "TextTestFont.h"
#include "text/TextStream.h"

using namespace stext;

namespace {

class TextStreamTest : public ::testing::Test {
protected:
    TestFont font;
    TextStream stream{&font};
    GlRecorder recorder;

    std::vector<DrawnQuad> Draw(const std::string& text)
    {
        recorder.Clear();
        stream << text << End;
        return RecordedQuads(recorder);
    }
};

TEST_F(TextStreamTest, GlyphQuadsUseTheirCellOfTheImage)
{
    stream << Pos(10, 500);
    auto q = Draw("AW");
    ASSERT_EQ(q.size(), 2u);
    // 'A' is cell 33 (column 1, row 2 from the top), half a cell wide.
    const float tex[4][2] = {{0.0625f, 0.625f}, {0.09375f, 0.625f}, {0.09375f, 0.75f}, {0.0625f, 0.75f}};
    const float vert[4][2] = {{10, 484}, {18, 484}, {18, 500}, {10, 500}};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 2; ++j) {
            EXPECT_FLOAT_EQ(q[0].tex[i][j], tex[i][j]) << i;
            EXPECT_FLOAT_EQ(q[0].vert[i][j], vert[i][j]) << i;
        }
    // 'W' is cell 55 (column 7, row 3) and a whole cell wide.
    EXPECT_FLOAT_EQ(q[1].tex[1][0], 0.5f);
    EXPECT_FLOAT_EQ(q[1].tex[1][1], 0.5f);
    EXPECT_FLOAT_EQ(q[1].vert[1][0], 34);
}

TEST_F(TextStreamTest, LinesAlignOnTheirOwnWidthAndTheBlockOnItsLineCount)
{
    // h: "abc" is 24 wide and "W" 16; each line is placed on its own.
    const float firstX[3] = {400, 388, 376}, secondX[3] = {400, 392, 384};
    for (uint32_t h = 0; h < 3; ++h) {
        stream << Align(h, 0) << Pos(400, 300);
        auto q = Draw("abc\nW");
        ASSERT_EQ(q.size(), 4u);
        EXPECT_FLOAT_EQ(q[0].Left(), firstX[h]) << h;
        EXPECT_FLOAT_EQ(q[3].Left(), secondX[h]) << h;
        EXPECT_FLOAT_EQ(q[3].Top(), 284) << h;
    }
    // v: a final line feed adds an empty line to the count.
    const struct { uint32_t v; const char* text; float top; } cases[] = {
        {0, "a\nb", 300}, {1, "a\nb", 316}, {2, "a\nb", 332}, {1, "a", 308}, {2, "a\n", 332}, {1, "a\nb\n", 324}};
    for (const auto& c : cases) {
        stream << Align(0, c.v) << Pos(0, 300);
        auto q = Draw(c.text);
        ASSERT_FALSE(q.empty());
        EXPECT_FLOAT_EQ(q[0].Top(), c.top) << c.v << " " << c.text;
    }
}

TEST_F(TextStreamTest, ColourRunsShareALineThatAlignsOnTheFirstRun)
{
    stream << Align(1, 0) << Pos(400, 300) << Color(0x0000FF) << "ab" << Color(0x80FF0000) << "cd\ne";
    auto q = Draw("f");
    ASSERT_EQ(q.size(), 6u);
    EXPECT_FLOAT_EQ(q[0].Left(), 392) << "centred on the width of \"ab\" alone";
    EXPECT_FLOAT_EQ(q[2].Left(), 408);
    EXPECT_FLOAT_EQ(q[2].Top(), 300);
    EXPECT_EQ(q[0].color, (std::vector<float>{0, 0, 1, 1}));
    EXPECT_EQ(q[2].color, (std::vector<float>{1, 0, 0, 127 / 255.0f})) << "the top byte is transparency";
    // Values written after a line feed continue the next line.
    EXPECT_FLOAT_EQ(q[4].Left(), 392);
    EXPECT_FLOAT_EQ(q[5].Left(), 400);
    EXPECT_FLOAT_EQ(q[5].Top(), 284);
    EXPECT_EQ(q[5].color, q[2].color);
}

TEST_F(TextStreamTest, PosAndAlignDrawWhatIsPendingAndEmptyEndsDrawNothing)
{
    stream << Align(0, 0) << Pos(10, 100) << "a" << Pos(50, 200);
    EXPECT_EQ(RecordedQuads(recorder).size(), 1u);
    stream << "b" << 7 << Align(2, 0) << "c";
    auto q = RecordedQuads(recorder);
    ASSERT_EQ(q.size(), 3u) << "a number is written as text";
    EXPECT_FLOAT_EQ(q[1].Left(), 50) << "drawn with the alignment it was written under";

    EXPECT_EQ(Draw("").size(), 1u);
    EXPECT_TRUE(Draw("").empty()) << "End empties the stream";
    stream << Color(0xFF0000) << Pos(1, 2) << Align(1, 1);
    EXPECT_TRUE(Draw("\n").empty());
    EXPECT_TRUE(recorder.Calls().empty()) << "a lone line feed binds and colours nothing";
}

TEST_F(TextStreamTest, CharactersWithoutGlyphsNeitherDrawNorMove)
{
    EXPECT_FLOAT_EQ(stream.GetTextWidth("a\tb\r\xC8" "c\nWWW"), 24);
    stream << Align(0, 0) << Pos(0, 100);
    auto q = Draw("a\tb\r\xC8" "c");
    ASSERT_EQ(q.size(), 3u);
    EXPECT_FLOAT_EQ(q[1].Left(), 8);
    EXPECT_FLOAT_EQ(q[2].Left(), 16);
}

} // namespace
