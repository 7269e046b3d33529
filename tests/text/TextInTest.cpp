#include <gtest/gtest.h>
#include "TextTestFont.h"
#include "shell/Shell.h"
#include "text/TextIn.h"
#include "text/TextStream.h"

namespace {

constexpr uint8_t VK_BACK = 0x08, VK_LEFT = 0x25, VK_RIGHT = 0x27, VK_INSERT = 0x2D, VK_DELETE = 0x2E;

class TextInTest : public ::testing::Test {
protected:
    TestFont font;
    stext::TextStream stream{&font};
    TextIn line{250, &stream, ""};

    void Type(const std::string& s)
    {
        for (char c : s) line.KeyInput(uint8_t(c), true);
    }
    void Press(uint8_t key, int times = 1)
    {
        for (int i = 0; i < times; ++i) line.KeyInput(key, false);
    }
    // Runs the shared blink clock up to a change of phase, so that the
    // next change is a whole period away whatever earlier tests left.
    void SyncBlink()
    {
        const bool shown = line.IsCursorShown();
        for (int ms = 0; ms < 250 && line.IsCursorShown() == shown; ++ms) line.Update(1);
        ASSERT_NE(line.IsCursorShown(), shown);
    }
};

TEST_F(TextInTest, StartsInactiveWithItsTextAndIgnoresKeys)
{
    TextIn preset(250, &stream, "abc");
    EXPECT_TRUE(preset.IsDone());
    EXPECT_EQ(preset.GetCursor(), 3u);
    EXPECT_EQ(preset.GetStream(), &stream);
    preset.KeyInput('x', true);
    preset.KeyInput(VK_BACK, false);
    EXPECT_EQ(preset.GetText(), "abc");
}

TEST_F(TextInTest, InsertAndOverwriteAtTheCursor)
{
    line.Activate();
    Type("ace");
    Press(VK_LEFT);
    Type("d");
    Press(VK_LEFT, 2);
    Type("b");
    EXPECT_EQ(line.GetText(), "abcde");
    EXPECT_EQ(line.GetCursor(), 2u);

    // Overwrite replaces under the cursor but still appends at the end.
    Press(VK_INSERT);
    EXPECT_FALSE(line.IsInsertMode());
    Type("XY");
    EXPECT_EQ(line.GetText(), "abXYe");
    Type("Z!");
    EXPECT_EQ(line.GetText(), "abXYZ!");
    Press(VK_INSERT);
    Press(VK_LEFT, 10);
    EXPECT_EQ(line.GetCursor(), 0u);
    Type("_");
    EXPECT_EQ(line.GetText(), "_abXYZ!");
    Press(VK_RIGHT, 10);
    EXPECT_EQ(line.GetCursor(), 7u);
}

TEST_F(TextInTest, BackspaceAndDeleteStopAtTheEdges)
{
    line.Activate();
    Press(VK_BACK);
    Press(VK_DELETE);
    EXPECT_EQ(line.GetText(), "");
    Type("abcd");
    Press(VK_DELETE);
    EXPECT_EQ(line.GetText(), "abcd");
    Press(VK_LEFT, 2);
    Press(VK_BACK);
    EXPECT_EQ(line.GetText(), "acd");
    EXPECT_EQ(line.GetCursor(), 1u);
    Press(VK_DELETE);
    EXPECT_EQ(line.GetText(), "ad");
    Press(VK_BACK, 5);  // a held key repeats
    EXPECT_EQ(line.GetText(), "d");
    EXPECT_EQ(line.GetCursor(), 0u);
}

TEST_F(TextInTest, OnlyCharactersTypeAndOnlyEditingKeysEdit)
{
    line.Activate();
    // A key arrives as its key-down code and then as its character.
    line.KeyInput('A', false);
    line.KeyInput('a', true);
    EXPECT_EQ(line.GetText(), "a");
    for (int key = 0; key < 256; ++key)
        if (key != VK_BACK && key != VK_LEFT && key != VK_RIGHT && key != VK_INSERT && key != VK_DELETE)
            line.KeyInput(uint8_t(key), false);
    EXPECT_EQ(line.GetText(), "a");
    EXPECT_EQ(line.GetCursor(), 1u);
    EXPECT_TRUE(line.IsInsertMode());
    EXPECT_FALSE(line.IsDone()) << "the Enter key-down code does not finish";
    line.KeyInput(8, true);  // the Backspace character
    EXPECT_EQ(line.GetText(), "a");
}

TEST_F(TextInTest, EnterFinishesThroughTheFilter)
{
    line.Activate();
    line.SetFilter([](TextIn&, uint8_t c) { return c == 13 || c == 'x' ? FILTER_REJECT : FILTER_ACCEPT; });
    Type("axb\r");
    EXPECT_FALSE(line.IsDone());
    EXPECT_EQ(line.GetText(), "ab");

    line.SetFilter(DefaultTextFilter);
    Type("\r");
    EXPECT_TRUE(line.IsDone());
    Type("more");
    Press(VK_BACK);
    Press(VK_LEFT);
    EXPECT_TRUE(line.IsDone());
    EXPECT_EQ(line.GetText(), "ab");
    EXPECT_EQ(line.GetCursor(), 2u);

    line.Activate();
    EXPECT_FALSE(line.IsDone());
    EXPECT_EQ(line.GetText(), "");
}

TEST_F(TextInTest, ActivationTurnsCharTranslationOnAndDeactivationOff)
{
    line.Activate();
    EXPECT_TRUE(shell.charTranslation);
    Type("abc");
    Press(VK_INSERT);
    line.Deactivate();
    EXPECT_FALSE(shell.charTranslation);
    EXPECT_TRUE(line.IsDone());
    EXPECT_EQ(line.GetText(), "");
    EXPECT_TRUE(line.IsInsertMode());
}

TEST_F(TextInTest, CursorBlinksEveryPeriodWhileActiveOnly)
{
    line.Activate();
    SyncBlink();
    const bool shown = line.IsCursorShown();
    line.Update(249);
    EXPECT_EQ(line.IsCursorShown(), shown);
    line.Update(1);
    EXPECT_NE(line.IsCursorShown(), shown);
    line.Update(500);
    EXPECT_NE(line.IsCursorShown(), shown) << "two periods: back to the same phase";

    // A finished line does not blink, nor run the clock on.
    Type("\r");
    const bool frozen = line.IsCursorShown();
    line.Update(1000);
    line.Update(125);
    EXPECT_EQ(line.IsCursorShown(), frozen);

    // Activation shows the cursor at once; the clock carries on from where
    // it stood.
    line.Activate();
    EXPECT_TRUE(line.IsCursorShown());
    line.Update(249);
    EXPECT_TRUE(line.IsCursorShown());
    line.Update(1);
    EXPECT_FALSE(line.IsCursorShown());
}

TEST_F(TextInTest, DrawsTheTextIndentedAndTheCursorFromTheAnchor)
{
    line.Activate();
    Type("abcd");
    Press(VK_LEFT);
    if (!line.IsCursorShown()) SyncBlink();
    GlRecorder recorder;
    line.Draw(100, 200, 0x00FF00, 0x0000FF);
    auto q = RecordedQuads(recorder);
    ASSERT_EQ(q.size(), 5u);
    EXPECT_FLOAT_EQ(q[0].Left(), 100 + 0.15f * 16);
    EXPECT_FLOAT_EQ(q[0].Top(), 200);
    EXPECT_EQ(q[0].color, (std::vector<float>{0, 1, 0, 1}));
    EXPECT_FLOAT_EQ(q[4].Left(), 124) << "the bar is measured from x, not from the text";
    EXPECT_FLOAT_EQ(q[4].Width(), 4) << "the bar is the '|' glyph";
    EXPECT_EQ(q[4].color, (std::vector<float>{0, 0, 1, 1}));

    SyncBlink();
    recorder.Clear();
    line.Draw(100, 200, 0x00FF00, 0x0000FF);
    EXPECT_EQ(RecordedQuads(recorder).size(), 4u) << "no bar in the hidden phase";

    Type("\r");
    recorder.Clear();
    line.Draw(100, 200, 0x00FF00, 0x0000FF);
    EXPECT_TRUE(recorder.Calls().empty());
}

} // namespace
