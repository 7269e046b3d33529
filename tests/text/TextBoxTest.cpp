#include <gtest/gtest.h>
#include "TextTestFont.h"
#include "shell/Shell.h"
#include "text/TextBox.h"
#include "text/TextStream.h"

namespace {

constexpr uint8_t VK_BACK = 0x08;

class TextBoxTest : public ::testing::Test {
protected:
    TestFont font;
    stext::TextStream stream{&font};
    TextBox box{&stream, 240};

    // Types s and returns how many characters were taken.
    size_t Type(const std::string& s)
    {
        const size_t before = box.GetText().size();
        for (char c : s) box.KeyInput(uint8_t(c), true);
        return box.GetText().size() - before;
    }
};

TEST_F(TextBoxTest, EachFilterTakesItsOwnCharactersUpToItsLimit)
{
    const struct { uint32_t filter; const char* kept; char fill; size_t limit; } cases[] = {
        {MBF_TEXT, "a 1:_Z9z{/\t", 'x', 35},
        {MBF_NAME, "a:_Zz", 'n', 35},
        {MBF_ALNUM, "a1:_Z9z", 'n', 40},
        {MBF_DIGITS, "19", '7', 40}};
    for (const auto& c : cases) {
        box.Open(0, 0, c.filter, "", "");
        Type("a 1:_Z9z{/\t");
        EXPECT_EQ(box.GetText(), c.kept) << "filter " << c.filter;
        box.Open(0, 0, c.filter, "", "");
        EXPECT_EQ(Type(std::string(40, c.fill)), c.limit) << "filter " << c.filter;
        EXPECT_TRUE(box.KeyInput(13, true)) << "filter " << c.filter;
    }
}

TEST_F(TextBoxTest, TheLengthLimitBindsTypingOnly)
{
    box.Open(250, 300, MBF_TEXT, "Enter Filename:", std::string(40, 'p'));
    EXPECT_EQ(box.GetText(), std::string(40, 'p'));
    EXPECT_EQ(Type("x"), 0u);
    for (int i = 0; i < 5; ++i) box.KeyInput(VK_BACK, false);
    EXPECT_EQ(Type("x"), 0u) << "35 long is not shorter than 35";
    box.KeyInput(VK_BACK, false);
    EXPECT_EQ(Type("xy"), 1u);
}

TEST_F(TextBoxTest, EnterFinishesAndCloseEmptiesAndStopsCharTranslation)
{
    EXPECT_TRUE(box.IsDone()) << "a new box is closed";
    box.Open(250, 300, MBF_TEXT, "Enter Filename:", "lev");
    EXPECT_TRUE(shell.charTranslation);
    EXPECT_FALSE(box.KeyInput('2', true));
    EXPECT_TRUE(box.KeyInput(13, true));
    EXPECT_TRUE(box.KeyInput('x', true));
    EXPECT_TRUE(box.KeyInput(VK_BACK, false));
    EXPECT_EQ(box.GetText(), "lev2");
    EXPECT_TRUE(shell.charTranslation) << "finishing is not closing";
    box.Close();
    EXPECT_FALSE(shell.charTranslation);
    EXPECT_TRUE(box.IsDone());
    EXPECT_EQ(box.GetText(), "");
}

TEST_F(TextBoxTest, FixedStepsBlinkTheCursorEvery25Steps)
{
    box.Open(0, 0, MBF_TEXT, "", "");
    GlRecorder recorder;
    // With no label and no text the only green quad is the bar.
    auto barShown = [&] {
        recorder.Clear();
        box.Draw();
        for (const DrawnQuad& q : RecordedQuads(recorder))
            if (q.color == std::vector<float>{0, 1, 0, 1}) return true;
        return false;
    };
    const bool start = barShown();
    for (int i = 0; i < 25 && barShown() == start; ++i) box.Update(0.01f);
    const bool phase = barShown();
    ASSERT_NE(phase, start);
    for (int i = 0; i < 24; ++i) box.Update(0.01f);
    EXPECT_EQ(barShown(), phase);
    box.Update(0.01f);
    EXPECT_NE(barShown(), phase);
}

TEST(TextBoxDeathTest, FilterIndexMustBeKnown)
{
    TestFont font;
    stext::TextStream stream(&font);
    TextBox box(&stream, 240);
    EXPECT_DEATH(box.Open(0, 0, MBF_NUM_FILTERS, "", ""), "f < MBF_NUM_FILTERS");
}

} // namespace
