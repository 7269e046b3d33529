#include <filesystem>
#include <fstream>
#include <sstream>
#include "objects/Player.h"
#include "objects/Texter.h"
#include "objects/WorldFixture.h"
#include "shell/VirtualKeys.h"
#include "support/TempDir.h"

namespace {

class TexterTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        previous = std::filesystem::current_path();
        std::filesystem::create_directories(dir.Path() / "Data/Speech");
        std::filesystem::current_path(dir.Path());
    }
    void TearDown() override
    {
        man.deleteAll();
        std::filesystem::current_path(previous);
        WorldTest::TearDown();
    }
    void Speech(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir.Path() / "Data/Speech" / name, std::ios::binary) << bytes;
    }
    Texter* Sign(const std::string& name, float x = 200, float y = 200)
    {
        std::istringstream in(name + std::string(1, '\0'));
        return new Texter(x, y, &levman, &in);
    }

    TempDir dir;
    std::filesystem::path previous;
};

TEST_F(TexterTest, ThePassageIsEveryLineEachEndedByOneLineFeed)
{
    Speech("plain.txt", "a\nb");
    Speech("final.txt", "a\nb\n");
    Speech("crlf.txt", "a\r\nb\r\n");
    Speech("empty.txt", "");
    EXPECT_EQ(Sign("plain.txt")->getText(), "a\nb\n");
    EXPECT_EQ(Sign("final.txt")->getText(), "a\nb\n\n") << "a final line feed gives one more, empty line";
    EXPECT_EQ(Sign("crlf.txt")->getText(), "a\nb\n\n") << "carriage returns before line feeds are dropped";
    EXPECT_EQ(Sign("empty.txt")->getText(), "\n");
    EXPECT_TRUE(platform.Boxes().empty());
}

TEST_F(TexterTest, AMissingOrEscapingSpeechFileIsReportedAndLeavesNoPassage)
{
    Speech("../outside.txt", "secret");
    for (const char* name : {"missing.txt", "../outside.txt", "/etc/hostname", ""}) {
        EXPECT_EQ(Sign(name)->getText(), "") << name;
    }
    EXPECT_EQ(platform.Boxes(), std::vector<std::string>(4, "Error: Could not open speech file!"));
}

TEST_F(TexterTest, InTheEditorTheNameIsKeptAndSavedAsRead)
{
    levman.SetState(STATE_EDITOR);
    man.deleteAll();
    std::string name = "no such file.txt";
    std::ostringstream out;
    Sign(name)->save(out);
    EXPECT_EQ(out.str(), name + std::string(1, '\0'));
    EXPECT_TRUE(platform.Boxes().empty()) << "nothing is opened in the editor";
}

// "Speak" and Space work only closer than 45 pixels, centre to centre.
TEST_F(TexterTest, ThePlayerCanTalkOnlyFromCloserThanFortyFivePixels)
{
    Speech("s.txt", "hello");
    auto talks = [&](float px, float py) {
        man.deleteAll();
        auto* player = new Player(px, py, &levman);
        Sign("s.txt");
        levman.SetHint("");
        Hold({VK_SPACE});
        Step();
        return std::make_pair(levman.GetHint() == "Speak", player->isFrozen());
    };
    EXPECT_EQ(talks(200 + 44.9f, 200), std::make_pair(true, true));
    EXPECT_EQ(talks(245, 200), std::make_pair(false, false));
    EXPECT_EQ(talks(232, 232), std::make_pair(false, false)) << "the diagonal neighbour, 45.25 away";
}

// Holding Space toggles the panel every half second and one step.
TEST_F(TexterTest, HeldSpaceTogglesEveryHalfSecondAndAStep)
{
    Speech("s.txt", "hello");
    auto* player = new Player(232, 200, &levman);
    auto* sign = Sign("s.txt");
    Hold({VK_SPACE});
    std::vector<int> toggles;
    bool was = false;
    for (int step = 1; step <= 160; ++step) {
        Step();
        if (sign->isShowing() != was) toggles.push_back(step);
        was = sign->isShowing();
        EXPECT_EQ(player->isFrozen(), sign->isShowing());
    }
    EXPECT_EQ(toggles, (std::vector<int>{1, 52, 103, 154}));
}

// A sign taken away while its panel is open lets the player go; one that
// goes in the same clear-out as the player touches nothing.
TEST_F(TexterTest, ARemovedOpenSignReleasesThePlayer)
{
    Speech("s.txt", "hello");
    auto* player = new Player(232, 200, &levman);
    auto* sign = Sign("s.txt");
    Hold({VK_SPACE});
    Step();
    ASSERT_TRUE(player->isFrozen());
    sign->kill();
    man.removeDead();
    EXPECT_FALSE(player->isFrozen());

    Sign("s.txt");
    Step();
    ASSERT_TRUE(player->isFrozen());
    man.deleteAll();  // the player goes first, then the open sign
    EXPECT_EQ(levman.GetPlayer(), nullptr);
}

TEST_F(TexterTest, AskForItsFileWhenPlacedAndWhenClicked)
{
    levman.SetState(STATE_EDITOR);
    auto* placed = new Texter(200, 200, &levman, nullptr);
    EXPECT_EQ(levman.GetState(), STATE_OBJECT_PROMPT);
    EXPECT_EQ(levman.GetMessageBox().GetText(), "");
    placed->textEntered("story.txt");
    EXPECT_EQ(placed->getText(), "story.txt");
}

}  // namespace
