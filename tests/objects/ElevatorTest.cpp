#include <sstream>
#include <tuple>
#include "objects/BinaryIo.h"
#include "objects/Block.h"
#include "objects/Elevator.h"
#include "objects/Player.h"
#include "objects/WorldFixture.h"
#include "shell/VirtualKeys.h"

namespace {

constexpr uint8_t CHAR_ENTER = 13;

class ElevatorTest : public WorldTest {
protected:
    // An elevator as a level file brings it, reading from `payload`.
    Elevator* Loaded(float x, float y, std::istream& payload)
    {
        BaseObjectFactory::createObject(ELEVATOR_TYPE, x, y, &levman, &payload);
        return dynamic_cast<Elevator*>(man.objectAt(x, y));
    }
    Elevator* Loaded(float x, float y, const std::string& bytes)
    {
        std::istringstream payload(bytes);
        return Loaded(x, y, payload);
    }
    void Type(const std::string& text)
    {
        for (char c : text) levman.KeyInput(static_cast<uint8_t>(c), true);
        levman.KeyInput(CHAR_ENTER, true);
        levman.Update(DT, &keys);
    }
};

TEST_F(ElevatorTest, APlayerStandingExactlyOnItsCentreCompletesTheLevel)
{
    auto* player = new Player(100, 92, &levman);
    Loaded(132, 100, std::string("passed.dat", 11));  // off the player's row
    Loaded(164, 92, std::string("lev2.dat", 9));
    levman.Update(DT, &keys);
    ASSERT_FALSE(levman.IsLevelComplete());

    Hold({VK_RIGHT});
    for (int i = 0; i < 100 && !levman.IsLevelComplete(); ++i) levman.Update(DT, &keys);
    EXPECT_TRUE(levman.IsLevelComplete());
    EXPECT_EQ(levman.GetCurrentLevel(), "lev2.dat");
    EXPECT_EQ(player->getPosition(), std::make_pair(164.0f, 92.0f));
}

TEST_F(ElevatorTest, MadeInTheEditorItAsksForItsTargetUnlessInputIsBlocked)
{
    levman.SetState(STATE_EDITOR);
    ASSERT_EQ(levman.GetState(), STATE_EDITOR) << "the palette's elevator asks in vain";
    Elevator* tool = nullptr;
    man.forEach([&](BaseObject* o) {
        if (o->getType() == ELEVATOR_TYPE && o->isTool()) tool = static_cast<Elevator*>(o);
    });
    ASSERT_NE(tool, nullptr);

    tool->editAt(200, 316);
    ASSERT_EQ(levman.GetState(), STATE_OBJECT_PROMPT);
    EXPECT_EQ(levman.GetMessageBox().GetText(), "");
    auto* refused = new Elevator(264, 316, &levman, nullptr);
    Type("lev9.dat");
    auto* placed = dynamic_cast<Elevator*>(man.objectAt(200, 316));
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(levman.GetState(), STATE_EDITOR);
    EXPECT_EQ(placed->getTargetFile(), "lev9.dat");
    EXPECT_EQ(refused->getTargetFile(), "");

    placed->editAt(200, 316);  // on itself: asks again, with its name
    EXPECT_EQ(levman.GetMessageBox().GetText(), "lev9.dat");
    Type("X");
    EXPECT_EQ(placed->getTargetFile(), "lev9.datX");
    placed->editAt(232, 348);  // elsewhere: moves
    EXPECT_EQ(placed->getPosition(), std::make_pair(232.0f, 348.0f));
    EXPECT_EQ(levman.GetState(), STATE_EDITOR);
}

TEST_F(ElevatorTest, ReadsItsNameUpToTheZeroByteOrTheEndOfTheFile)
{
    std::istringstream file(std::string("lev2.dat\0next", 13));
    EXPECT_EQ(Loaded(32, 60, file)->getTargetFile(), "lev2.dat");
    EXPECT_EQ(file.get(), 'n') << "the zero byte is consumed, nothing after it";
    EXPECT_EQ(Loaded(64, 60, "lev3.d")->getTargetFile(), "lev3.d");
}

TEST_F(ElevatorTest, SavesItsNameAndOneZeroByteWhereTerrainAndPlayerSaveNone)
{
    new Block(64, 28);
    new Player(96, 28, &levman);
    Loaded(128, 28, std::string("lev2.dat", 9));
    Loaded(160, 28, std::string("", 1));
    std::ostringstream expected;
    for (auto [type, x, payload] : {std::tuple{BLOCK_TYPE, 64, ""}, std::tuple{PLAYER_TYPE, 96, ""},
                                    std::tuple{ELEVATOR_TYPE, 128, "lev2.dat"}, std::tuple{ELEVATOR_TYPE, 160, ""}}) {
        WriteI32(expected, type);
        WriteF32(expected, float(x));
        WriteF32(expected, 28);
        if (type == ELEVATOR_TYPE) expected << payload << '\0';
    }
    std::ostringstream out;
    man.saveAll(out);
    EXPECT_EQ(out.str(), expected.str());
}

TEST_F(ElevatorTest, TracesItsTargetAsAnEscapedJsonString)
{
    std::ostringstream out;
    Loaded(0, 28, std::string("a\"b\\c\x01\xe9", 8))->traceState(out);
    EXPECT_EQ(out.str(), ",\"target\":\"a\\\"b\\\\c\\u0001\\u00e9\"");
}

} // namespace
