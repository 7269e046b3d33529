#include <sstream>
#include "objects/Wall.h"
#include "objects/WorldFixture.h"
#include "objects/Zombie.h"

namespace {

using Pos = std::pair<float, float>;

std::string Bytes(int32_t value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

class ZombieTest : public WorldTest {
protected:
    Zombie* Facing(int32_t direction, float x = 200, float y = 200)
    {
        std::istringstream in(Bytes(direction));
        return new Zombie(x, y, &in);
    }
};

TEST_F(ZombieTest, WalksSixteenPixelsASecondAlongItsDirection)
{
    Zombie* zombies[] = {Facing(0, 200, 100), Facing(1, 200, 200), Facing(2, 400, 100), Facing(3, 500, 300)};
    Step(100);
    Pos expected[] = {{184, 100}, {216, 200}, {400, 116}, {500, 284}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(zombies[i]->getPosition().first, expected[i].first, 1e-3f) << i;
        EXPECT_NEAR(zombies[i]->getPosition().second, expected[i].second, 1e-3f) << i;
    }
}

// Each bump leaves it touching what it met and turns it clockwise: left,
// up, right, down, and left again after the fourth.
TEST_F(ZombieTest, FourBumpsBringItBackToItsFirstDirection)
{
    auto* zombie = Facing(0, 200, 200);
    new Wall(168, 200);
    Step();
    EXPECT_EQ(zombie->getPosition(), Pos(200, 200)) << "pushed out to touch the wall's right face";
    EXPECT_EQ(zombie->getDirection(), 2);
    new Wall(200, 232);
    Step();
    EXPECT_EQ(zombie->getDirection(), 1);
    new Wall(232, 200);
    Step();
    EXPECT_EQ(zombie->getDirection(), 3);
    new Wall(200, 168);
    Step();
    EXPECT_EQ(zombie->getDirection(), 0);
    EXPECT_EQ(zombie->getPosition(), Pos(200, 200));
}

TEST_F(ZombieTest, AnExactDiagonalPushesOutVertically)
{
    auto* zombie = Facing(1, 200, 200);
    zombie->collide(new Probe("rock", 190, 190, ProbeKind{WALL_TYPE, 2, false, false}));
    EXPECT_EQ(zombie->getPosition(), Pos(200, 222));
    EXPECT_EQ(zombie->getDirection(), 3);
}

TEST_F(ZombieTest, ADirectionItDoesNotKnowStandsStillAndStaysAsItIs)
{
    auto* zombie = Facing(7);
    Step(50);
    EXPECT_EQ(zombie->getPosition(), Pos(200, 200));
    zombie->collide(new Probe("rock", 200, 170, ProbeKind{WALL_TYPE, 2, false, false}));
    EXPECT_EQ(zombie->getDirection(), 7);
    std::ostringstream out;
    zombie->save(out);
    EXPECT_EQ(out.str(), Bytes(7)) << "four bytes of direction";
}

TEST_F(ZombieTest, EditorClicksOnItTurnItOtherClicksMoveIt)
{
    auto* zombie = Facing(0, 128, 156);
    for (int32_t next : {1, 2, 3, 0}) {
        zombie->editAt(128 + 15, 156 - 15);
        EXPECT_EQ(zombie->getDirection(), next);
    }
    zombie->editAt(128 + 16, 156);
    EXPECT_EQ(zombie->getPosition(), Pos(144, 156));
    Facing(-3)->editAt(200, 200);
    EXPECT_EQ(static_cast<Zombie*>(man.objectAt(200, 200))->getDirection(), 2) << "(-3 + 1) mod 4";
}

}  // namespace
