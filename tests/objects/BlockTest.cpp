#include <functional>
#include <set>
#include <utility>
#include "objects/Block.h"
#include "objects/Floor.h"
#include "objects/Player.h"
#include "objects/Wall.h"
#include "objects/WorldFixture.h"
#include "shell/VirtualKeys.h"
#include "support/GlRecorder.h"

namespace {

using Pos = std::pair<float, float>;

// Something touching the block that the collision scan leaves alone, so
// that only the contact the test reports counts.
Probe* Pusher(float x, float y, ObjectType type = PLAYER_TYPE)
{
    return new Probe("pusher", x, y, ProbeKind{type, 5, false, false});
}

class BlockTest : public WorldTest {
protected:
    // Pushes a fresh block at (132, 92) from (px, py) and lets it finish.
    Pos PushedFrom(float px, float py, ObjectType type = PLAYER_TYPE)
    {
        man.deleteAll();
        auto* block = new Block(132, 92);
        block->collide(Pusher(px, py, type));
        Step(60);
        return block->getPosition();
    }
};

TEST_F(BlockTest, MovesHalfATileAwayFromAPusherNearItsCentreLine)
{
    EXPECT_EQ(PushedFrom(100, 92), Pos(148, 92));
    EXPECT_EQ(PushedFrom(164, 92), Pos(116, 92));
    EXPECT_EQ(PushedFrom(132, 60), Pos(132, 108));
    EXPECT_EQ(PushedFrom(132, 124), Pos(132, 76));
    EXPECT_EQ(PushedFrom(100, 92, LASER_TYPE), Pos(148, 92)) << "a laser pushes like the player";
    EXPECT_EQ(PushedFrom(100, 99.9f), Pos(148, 92));
    EXPECT_EQ(PushedFrom(100, 100), Pos(132, 92)) << "a quarter tile off the centre line is too far";
    EXPECT_EQ(PushedFrom(140, 60), Pos(132, 92));
    EXPECT_EQ(PushedFrom(128, 88), Pos(132, 108)) << "an exact diagonal counts as vertical";
    EXPECT_EQ(PushedFrom(100, 92, WALL_TYPE), Pos(132, 92)) << "only players and lasers push";
}

TEST_F(BlockTest, IgnoresPushesWhileSlidingAndAcceptsThemAgainAtRest)
{
    auto* block = new Block(132, 92);
    block->collide(Pusher(100, 92));
    Step(10);
    block->collide(Pusher(132, 60));
    Step(50);
    EXPECT_EQ(block->getPosition(), Pos(148, 92));
    EXPECT_FALSE(block->isSliding());
    EXPECT_EQ(std::make_pair(block->getWidth(), block->getHeight()), Pos(32, 32));
    block->collide(Pusher(116, 92));
    Step(60);
    EXPECT_EQ(block->getPosition(), Pos(164, 92));
}

// The slide is stopped through the collision scan, by anything in the
// block's way, and the block goes back to where the push began.
TEST_F(BlockTest, ASlideThatMeetsAnObstacleSnapsBackToItsStart)
{
    auto pushIntoObstacle = [&](const std::function<void()>& placeObstacle, int stepsBefore) {
        man.deleteAll();
        auto* block = new Block(132, 92);
        block->collide(Pusher(100, 92));
        Step(stepsBefore);
        placeObstacle();
        Step();
        return std::make_pair(block->isSliding(), block->getPosition());
    };
    const std::pair<bool, Pos> snappedBack{false, Pos(132, 92)};
    EXPECT_EQ(pushIntoObstacle([] { new Wall(164, 92); }, 0), snappedBack);
    EXPECT_EQ(pushIntoObstacle([] { new Block(164, 92); }, 0), snappedBack);
    EXPECT_EQ(pushIntoObstacle([] { new Probe("zombie", 170, 92, ProbeKind{ZOMBIE_TYPE, 3}); }, 20),
              snappedBack)
        << "mid-slide it goes back to the start, not to where it was";
    EXPECT_EQ(pushIntoObstacle([] { new Wall(196, 92); }, 0).first, true) << "a tile of free space is enough";
}

TEST_F(BlockTest, APlayerWalkingIntoABlockPushesItAcrossTheFloorUpToAWall)
{
    for (float x = 100; x <= 196; x += 32) new Floor(x, 92);
    auto* player = new Player(100, 92, &levman);
    auto* block = new Block(132, 92);
    new Wall(196, 92);
    Hold({VK_RIGHT});
    std::set<float> restingAt;
    for (int i = 0; i < 300; ++i) {
        Step();
        // A push may follow the end of a slide in the same step: the box
        // is back to a tile then, though the block is sliding again.
        if (block->getWidth() == 32.0f) restingAt.insert(block->getPosition().first);
    }
    EXPECT_EQ(restingAt, (std::set<float>{132, 148, 164}));
    EXPECT_EQ(block->getPosition(), Pos(164, 92));
    EXPECT_EQ(player->getPosition(), Pos(132, 92));
}

// A player walking up a column, or pushing a block up it, passes blocks in
// the next column edge to edge; rounding must never let it touch them.
TEST_F(BlockTest, WalkingPastABlockInTheNextColumnLeavesItAlone)
{
    auto* player = new Player(352, 252, &levman);
    auto* pushed = new Block(352, 284);
    auto* beside = new Block(384, 284);
    Hold({VK_UP});
    Step(400);
    EXPECT_EQ(beside->getPosition(), Pos(384, 284));
    EXPECT_EQ(pushed->getPosition().first, 352.0f);
    EXPECT_GT(pushed->getPosition().second, 380.0f);
    EXPECT_EQ(player->getPosition().first, 352.0f);
}

// A slide takes 51 steps of 0.02, overshooting 1; drawing must still put
// the block on its box, and mid-slide on its way rather than the centre
// of its stretched box.
TEST_F(BlockTest, IsDrawnWhereItIsAlongItsSlide)
{
    GlRecorder gl;
    auto* block = new Block(132, 92);
    auto leftEdge = [&] {
        gl.Clear();
        block->draw();
        return gl.Named("vertex").at(0).args.at(0);
    };
    block->collide(Pusher(164, 92));
    Step(26);
    EXPECT_EQ(leftEdge(), 123.0f - 16.0f) << "drawn at 123.68, its box centred at 119.84";
    Step(30);
    ASSERT_FALSE(block->isSliding());
    EXPECT_EQ(leftEdge(), 116.0f - 16.0f);
    block->kill();
    gl.Clear();
    block->draw();
    EXPECT_TRUE(gl.Calls().empty());
}

} // namespace
