#include <gtest/gtest.h>
#include "text/TextIn.h"

namespace {

constexpr uint8_t VK_BACK = 0x08, VK_LEFT = 0x25, VK_RIGHT = 0x27, VK_INSERT = 0x2D, VK_DELETE = 0x2E;

class TextInTest : public ::testing::Test {
protected:
    TextIn line{250, nullptr, "preset"};

    void Type(const std::string& s)
    {
        for (char c : s) line.KeyInput(uint8_t(c), true);
    }
    void Press(uint8_t key, int times = 1)
    {
        for (int i = 0; i < times; ++i) line.KeyInput(key, false);
    }
    // The blink clock is shared program-wide: run it to a change of phase
    // so that the next change is one whole period away.
    void SyncBlink()
    {
        const bool shown = line.IsCursorShown();
        for (int ms = 0; ms < 250 && line.IsCursorShown() == shown; ++ms) line.Update(1);
        ASSERT_NE(line.IsCursorShown(), shown);
    }
};

TEST_F(TextInTest, EditsAtTheCursorInInsertAndOverwriteMode)
{
    Type("x");
    EXPECT_EQ(line.GetText(), "preset") << "inactive until activated";
    line.Activate();
    Type("ace");
    Press(VK_LEFT);
    Type("d");
    Press(VK_LEFT, 2);
    Type("b");
    EXPECT_EQ(line.GetText(), "abcde");
    Press(VK_INSERT);
    Type("XY");
    EXPECT_EQ(line.GetText(), "abXYe");
    Type("Z!");
    EXPECT_EQ(line.GetText(), "abXYZ!") << "overwriting at the end appends";
    Press(VK_INSERT);
    Press(VK_LEFT, 10);
    Type("_");
    Press(VK_RIGHT, 10);
    EXPECT_EQ(line.GetText(), "_abXYZ!");
    EXPECT_EQ(line.GetCursor(), 7u);
}

TEST_F(TextInTest, BackspaceAndDeleteStopAtTheEdges)
{
    line.Activate();
    Press(VK_BACK);
    Press(VK_DELETE);
    Type("abcd");
    Press(VK_DELETE);
    EXPECT_EQ(line.GetText(), "abcd");
    Press(VK_LEFT, 2);
    Press(VK_BACK);
    Press(VK_DELETE);
    EXPECT_EQ(line.GetText(), "ad");
    Press(VK_BACK, 5);  // a held key repeats
    EXPECT_EQ(line.GetText(), "d");
    EXPECT_EQ(line.GetCursor(), 0u);
}

TEST_F(TextInTest, OnlyCharactersTypeAndOnlyEditingKeysEdit)
{
    line.Activate();
    line.KeyInput('A', false);  // a key comes as its key-down code, then its character
    line.KeyInput('a', true);
    for (int key = 0; key < 256; ++key)
        if (key != VK_BACK && key != VK_LEFT && key != VK_RIGHT && key != VK_INSERT && key != VK_DELETE)
            line.KeyInput(uint8_t(key), false);
    line.KeyInput(8, true);  // the Backspace character
    EXPECT_EQ(line.GetText(), "a");
    EXPECT_EQ(line.GetCursor(), 1u);
    EXPECT_TRUE(line.IsInsertMode());
    EXPECT_FALSE(line.IsDone()) << "the Enter key-down code does not finish";
}

TEST_F(TextInTest, EnterFinishesOnlyThroughTheFilter)
{
    line.Activate();
    line.SetFilter([](TextIn&, uint8_t c) { return c == 13 || c == 'x' ? FILTER_REJECT : FILTER_ACCEPT; });
    Type("axb\r");
    EXPECT_FALSE(line.IsDone());
    EXPECT_EQ(line.GetText(), "ab");
    line.SetFilter(DefaultTextFilter);
    Type("\r");
    EXPECT_TRUE(line.IsDone());
}

TEST_F(TextInTest, CursorBlinksOnlyWhileActiveAndShowsOnActivation)
{
    line.Activate();
    SyncBlink();
    const bool shown = line.IsCursorShown();
    line.Update(249);
    EXPECT_EQ(line.IsCursorShown(), shown);
    line.Update(1);
    EXPECT_NE(line.IsCursorShown(), shown);

    Type("\r");
    const bool frozen = line.IsCursorShown();
    line.Update(1125);
    EXPECT_EQ(line.IsCursorShown(), frozen) << "a finished line does not blink";
    line.Activate();
    EXPECT_TRUE(line.IsCursorShown());
    line.Update(249);
    EXPECT_TRUE(line.IsCursorShown()) << "nor does its clock run on";
    line.Update(1);
    EXPECT_FALSE(line.IsCursorShown());
}

} // namespace
