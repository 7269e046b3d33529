#include <utility>
#include "objects/Player.h"
#include "objects/Wall.h"
#include "objects/WorldFixture.h"
#include "shell/VirtualKeys.h"

namespace {

using Pos = std::pair<float, float>;
constexpr uint8_t KEY_F = 'F';
constexpr uint8_t KEY_D = 'D';
const char* const SEALED_CAN_HINT =
    "Liquid nitrogen canisters must be busted open by an explosion\n"
    "before the liquid nitrogen can be harvisted.";

// A burst canister as the game has it: it removes itself once the player
// has taken it.
Probe* BrokenCan(float x, float y)
{
    auto* can = new Probe("can", x, y, ProbeKind{BROKEN_NITROGEN_TYPE, 2, false, true});
    can->onCollide = [can](BaseObject* other) {
        if (other->getType() == PLAYER_TYPE) can->kill();
    };
    return can;
}

class PlayerTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        player = new Player(100, 92, &levman);
    }

    Player* player = nullptr;
};

TEST_F(PlayerTest, HoldingRightWalksEightPixelsEverySevenUpdatesWithoutStopping)
{
    Hold({VK_RIGHT});
    Step();
    EXPECT_EQ(player->getPosition(), Pos(100, 92)) << "the chosen step starts in the next update";
    Step();
    EXPECT_FLOAT_EQ(player->getProgress(), 0.16f);
    Step(5);
    EXPECT_LT(player->getPosition().first, 108.0f);
    Step();
    EXPECT_EQ(player->getPosition(), Pos(108, 92));
    Step(7);
    EXPECT_EQ(player->getPosition(), Pos(116, 92)) << "the next step was chosen as the last one ended";
    EXPECT_EQ(player->getFacing(), Player::FACING_RIGHT);
}

TEST_F(PlayerTest, OneDirectionAtATimeInTheOrderLeftRightUpDown)
{
    Hold({VK_LEFT, VK_UP});
    Step(8);
    EXPECT_EQ(player->getPosition(), Pos(92, 92));
    EXPECT_EQ(player->getFacing(), Player::FACING_LEFT);
    Hold({VK_DOWN, VK_UP});
    Step(14);  // the left step chosen last finishes first
    EXPECT_EQ(player->getPosition(), Pos(84, 100));
    EXPECT_EQ(player->getFacing(), Player::FACING_UP);
}

TEST_F(PlayerTest, FiringComesFirstCostsNitrogenForFreezingAndPausesAllInput)
{
    Hold({KEY_D});
    Step(2);
    EXPECT_EQ(levman.GetMessage(), "Need more liquid nitrogen!");
    EXPECT_FALSE(player->isBusy()) << "no beam, no pause";

    Hold({});
    BrokenCan(100, 92);
    Step(3);
    ASSERT_EQ(player->getNitrogen(), 1) << "a burst can gives exactly one unit";
    Hold({KEY_F, KEY_D, VK_RIGHT});
    Step();
    EXPECT_TRUE(player->isBusy());
    EXPECT_EQ(player->getNitrogen(), 1) << "F wins over D";

    Hold({});
    Step(35);
    Hold({KEY_D});
    Step();
    EXPECT_EQ(player->getNitrogen(), 0);
    Hold({VK_RIGHT});
    Step(25);
    EXPECT_TRUE(player->isBusy());
    EXPECT_EQ(player->getPosition(), Pos(100, 92));
    Step(10);
    EXPECT_FALSE(player->isBusy());
    EXPECT_GT(player->getPosition().first, 100.0f);
}

TEST_F(PlayerTest, WalkingIntoAWallLeavesThePlayerExactlyWhereItStood)
{
    new Wall(132, 92);
    auto* other = new Player(100, 156, &levman);
    new Wall(140, 156);  // one step of free space first
    Hold({VK_RIGHT});
    for (int i = 0; i < 30; ++i) {
        Step();
        ASSERT_EQ(player->getPosition(), Pos(100, 92)) << "update " << i;
        ASSERT_EQ(player->getProgress(), 0.0f);
    }
    EXPECT_EQ(other->getPosition(), Pos(108, 156));
    EXPECT_EQ(other->getProgress(), 0.0f);
}

TEST_F(PlayerTest, AZombieKillsEvenWhileThePlayerPushesAgainstAWall)
{
    new Wall(132, 92);
    new Probe("zombie", 70, 92, ProbeKind{ZOMBIE_TYPE, 3, true, true});
    Hold({VK_RIGHT});
    Step(3);
    EXPECT_TRUE(player->isDead());
}

TEST_F(PlayerTest, ASealedCanBlocksAndExplainsHowToOpenIt)
{
    new Probe("can", 132, 92, ProbeKind{NITROGEN_TYPE, 2, false, true});
    Hold({VK_RIGHT});
    Step(5);
    EXPECT_EQ(player->getPosition(), Pos(100, 92));
    EXPECT_EQ(levman.GetMessage(), SEALED_CAN_HINT);
    EXPECT_EQ(player->getNitrogen(), 0);
}

// A push that lands the player exactly on its target counts the step as
// done where walking never finishes it: reported once, then settled.
TEST_F(PlayerTest, AStepFinishedByACollisionIsReportedOnceAndSettled)
{
    auto* pusher = new Probe("pusher", 140, 92, ProbeKind{BLOCK_TYPE, 2, false, false});
    Hold({VK_RIGHT});
    Step();  // the step is chosen; the player has not moved yet
    player->collide(pusher);
    ASSERT_EQ(player->getPosition(), Pos(108, 92));
    ASSERT_EQ(player->getProgress(), 1.0f);

    Hold({});
    Step(5);
    EXPECT_EQ(platform.Boxes(), (std::vector<std::string>{"Error: WTF!!!!"}));
    EXPECT_EQ(player->getPosition(), Pos(108, 92));
    Hold({VK_RIGHT});
    Step(8);
    EXPECT_EQ(player->getPosition(), Pos(116, 92)) << "the next step is a normal one";
}

} // namespace
