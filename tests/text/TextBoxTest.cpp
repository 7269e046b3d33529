#include <gtest/gtest.h>
#include "TextTestFont.h"
#include "shell/Shell.h"
#include "support/GlContext.h"
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

TEST_F(TextBoxTest, TextFilterStopsTypingAt35Characters)
{
    box.Open(250, 300, MBF_TEXT, "Enter Filename:", "");
    EXPECT_EQ(Type(std::string(35, 'a')), 35u);
    EXPECT_EQ(Type("b"), 0u);
    box.KeyInput(VK_BACK, false);
    EXPECT_EQ(Type("cd"), 1u);
    EXPECT_EQ(box.GetText(), std::string(34, 'a') + "c");
    EXPECT_TRUE(box.KeyInput(13, true)) << "Enter finishes even when full";
}

TEST_F(TextBoxTest, LongDefaultTextIsKeptWhole)
{
    const std::string preset(40, 'p');
    box.Open(250, 300, MBF_TEXT, "Q?", preset);
    EXPECT_EQ(box.GetText(), preset);
    EXPECT_EQ(Type("x"), 0u);
    for (int i = 0; i < 5; ++i) box.KeyInput(VK_BACK, false);
    EXPECT_EQ(Type("x"), 0u) << "35 long is not shorter than 35";
    box.KeyInput(VK_BACK, false);
    EXPECT_EQ(Type("xy"), 1u);
}

TEST_F(TextBoxTest, EachFilterTakesItsOwnCharacters)
{
    struct Case {
        uint32_t filter;
        std::string typed, kept;
    } cases[] = {
        {MBF_TEXT, "a 1:_~\t", "a 1:_~\t"},
        {MBF_NAME, "a 1:_Z9z{.", "a:_Zz"},
        {MBF_ALNUM, "a 1:_Z9z{.", "a1:_Z9z"},
        {MBF_DIGITS, "a 1:_Z9z{/0", "190"},
    };
    for (const Case& c : cases) {
        box.Open(0, 0, c.filter, "", "");
        Type(c.typed);
        EXPECT_EQ(box.GetText(), c.kept) << "filter " << c.filter;
        EXPECT_FALSE(box.IsDone());
        EXPECT_TRUE(box.KeyInput(13, true)) << "filter " << c.filter;
    }
    // Only the first two limit the length.
    box.Open(0, 0, MBF_NAME, "", "");
    EXPECT_EQ(Type(std::string(40, 'n')), 35u);
    box.Open(0, 0, MBF_ALNUM, "", "");
    EXPECT_EQ(Type(std::string(40, 'n')), 40u);
    box.Open(0, 0, MBF_DIGITS, "", "");
    EXPECT_EQ(Type(std::string(40, '7')), 40u);
}

TEST_F(TextBoxTest, EnterFinishesAndLaterKeysChangeNothing)
{
    EXPECT_TRUE(box.IsDone()) << "a new box is closed";
    box.Open(250, 300, MBF_TEXT, "Enter Filename:", "lev");
    EXPECT_FALSE(box.IsDone());
    EXPECT_FALSE(box.KeyInput('2', true));
    EXPECT_TRUE(box.KeyInput(13, true));
    EXPECT_TRUE(box.KeyInput('x', true));
    EXPECT_TRUE(box.KeyInput(VK_BACK, false));
    EXPECT_EQ(box.GetText(), "lev2");
}

TEST_F(TextBoxTest, OpenAndCloseSwitchCharTranslation)
{
    box.Open(250, 300, MBF_TEXT, "Enter Filename:", "old");
    EXPECT_TRUE(shell.charTranslation);
    box.KeyInput(13, true);
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
    // Wait for a change of phase to start on a period boundary.
    const bool start = barShown();
    int steps = 0;
    while (barShown() == start && steps < 25) {
        box.Update(0.01f);
        ++steps;
    }
    ASSERT_NE(barShown(), start);
    const bool phase = barShown();
    for (int i = 0; i < 24; ++i) box.Update(0.01f);
    EXPECT_EQ(barShown(), phase);
    box.Update(0.01f);
    EXPECT_NE(barShown(), phase);
}

TEST_F(TextBoxTest, DrawsPanelLabelAndInputLine)
{
    GlContext gl;  // the panel may be drawn straight through OpenGL
    ASSERT_TRUE(gl.Ok());
    box.Open(250, 300, MBF_TEXT, "Ab", "cd");
    GlRecorder recorder;
    box.Draw();
    auto colors = recorder.Named("color");
    ASSERT_FALSE(colors.empty());
    EXPECT_EQ(colors[0].args, (std::vector<float>{0, 0, 0, 1})) << "the panel is black";
    auto q = RecordedQuads(recorder);
    const auto label = std::vector<float>{1, 0, 0, 1}, input = std::vector<float>{0, 1, 0, 1};
    // Quads after the panel's own: label "Ab", text "cd", the cursor bar.
    ASSERT_GE(q.size(), 5u);
    q.erase(q.begin(), q.end() - 5);
    EXPECT_EQ(q[0].color, label);
    EXPECT_FLOAT_EQ(q[0].Left(), 250);
    EXPECT_FLOAT_EQ(q[0].Top(), 300);
    EXPECT_EQ(q[2].color, input);
    EXPECT_FLOAT_EQ(q[2].Left(), 252.4f);
    EXPECT_FLOAT_EQ(q[2].Top(), 284);
    EXPECT_EQ(q[4].color, input);
    EXPECT_FLOAT_EQ(q[4].Left(), 266);
}

TEST(TextBoxDeathTest, FilterIndexMustBeKnown)
{
    TestFont font;
    stext::TextStream stream(&font);
    TextBox box(&stream, 240);
    EXPECT_DEATH(box.Open(0, 0, MBF_NUM_FILTERS, "", ""), "f < MBF_NUM_FILTERS");
}

} // namespace
