#include "objects/Block.h"
#include "objects/ChemistryFixture.h"
#include "objects/Flame.h"
#include "objects/FreezeBeam.h"
#include "objects/IceCube.h"
#include "objects/Laser.h"
#include "objects/Wall.h"

namespace {

class IceCubeTest : public ChemistryTest {
protected:
    // Fires a freeze beam from (x - 64, y - 12) to the right at (x, y).
    void FreezeAt(float x, float y) { new FreezeBeam(x - 64, y - 12, 1); }
};

TEST_F(IceCubeTest, WallsAndBlocksCannotBeFrozen)
{
    auto* wall = new Wall(200, 100);
    auto* cube = new IceCube(wall);
    EXPECT_TRUE(cube->isDead()) << "dead at birth";
    EXPECT_FALSE(wall->isFrozen());

    auto* block = new Block(200, 300);
    FreezeAt(200, 300);
    Step(20);
    EXPECT_FALSE(block->isFrozen());
    EXPECT_TRUE(Live(ICE_CUBE_TYPE).empty()) << "a freeze beam makes no ice on a block";
}

TEST_F(IceCubeTest, AFlameGetsACubeThatPutsItOut)
{
    auto* flame = new Flame(200, 100);
    flame->postLoad();
    FreezeAt(200, 100);
    Step(20);
    EXPECT_FALSE(flame->isFrozen());
    EXPECT_TRUE(flame->isDead());
}

// Held for 2 s: not updated, not collided; then it walks on.
TEST_F(IceCubeTest, AWalkerIsHeldForTwoSecondsThenGoesOn)
{
    auto* walker = Walker(200, 100);
    FreezeAt(200, 100);
    Step(20);
    ASSERT_TRUE(walker->isFrozen());
    auto cubes = Live(ICE_CUBE_TYPE);
    ASSERT_EQ(cubes.size(), 1u);
    EXPECT_EQ(static_cast<IceCube*>(cubes[0])->getEncased(), walker);
    EXPECT_EQ(cubes[0]->getPosition(), Pos(200, 100));

    int touched = 0;
    walker->onCollide = [&](BaseObject*) { ++touched; };
    Probe::Log().clear();
    Walker(210, 100);  // another walker bumping into it
    Step(150);
    man.removeDead();
    EXPECT_EQ(Updates("walker"), 150) << "only the other walker moved";
    EXPECT_EQ(touched, 0);
    EXPECT_TRUE(walker->isFrozen());
    Step(60);
    man.removeDead();
    EXPECT_FALSE(walker->isFrozen()) << "melted after 2 s";
    EXPECT_TRUE(Live(ICE_CUBE_TYPE).empty());
}

TEST_F(IceCubeTest, ALaserOrAFreezeBeamShattersTheCube)
{
    for (ObjectType shot : {LASER_TYPE, FREEZE_BEAM_TYPE}) {
        man.deleteAll();
        auto* walker = Walker(200, 100);
        auto* cube = new IceCube(walker);
        cube->collide(Beam(shot, 150, 100));
        EXPECT_TRUE(cube->isDead());
        EXPECT_TRUE(walker->isFrozen()) << "until the cube is removed";
        man.removeDead();
        EXPECT_FALSE(walker->isFrozen());
    }
}

// A laser flies through ice; a freeze beam stops at it, encasing it in a
// new cube while the old one shatters. The walker inside the old cube goes
// free when the old cube is removed, and the new cube lets go of the old
// one rather than touching it after it is gone.
TEST_F(IceCubeTest, AFreezeBeamOnACubeMakesANewCubeAndShattersTheOld)
{
    auto* walker = Walker(200, 100);
    auto* old = new IceCube(walker);
    FreezeAt(200, 100);
    Step(20);
    EXPECT_TRUE(old->isDead());
    std::vector<BaseObject*> cubes = Live(ICE_CUBE_TYPE);
    ASSERT_EQ(cubes.size(), 1u);
    auto* fresh = static_cast<IceCube*>(cubes[0]);
    EXPECT_EQ(fresh->getEncased(), old);
    man.removeDead();
    EXPECT_FALSE(walker->isFrozen());
    EXPECT_EQ(fresh->getEncased(), nullptr);
    Step(250);
    man.removeDead();
    EXPECT_TRUE(man.contains(walker));
}

// Deleting the world may delete an encased object before its cube, in
// either order; the cube must not touch it then.
TEST_F(IceCubeTest, DeletingTheWholeWorldInEitherOrderIsSafe)
{
    auto* first = Walker(100, 100);
    new IceCube(first);
    auto* secondCube = new IceCube(Walker(300, 100));
    auto* laterWalker = Walker(500, 100);
    new IceCube(laterWalker);
    secondCube->kill();
    man.deleteAll();
    EXPECT_EQ(man.count(), 0u);
}

}  // namespace
