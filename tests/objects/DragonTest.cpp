#include <cmath>
#include <set>
#include "objects/ChemistryFixture.h"
#include "objects/Dragon.h"
#include "objects/Flame.h"
#include "objects/FreezeBeam.h"
#include "objects/IceCube.h"
#include "objects/Player.h"

namespace {

class DragonTest : public ChemistryTest {
protected:
    // A dragon at (416, 316) and a player at (px, py) that never moves.
    Dragon* DragonAndPlayerAt(float px, float py)
    {
        man.deleteAll();
        player = new Player(px, py, &levman);
        player->freeze();
        return new Dragon(416, 316, &levman);
    }
    // Whether a breath starts within one step.
    bool Breathes(float px, float py)
    {
        Dragon* dragon = DragonAndPlayerAt(px, py);
        Step();
        return dragon->isBreathing();
    }
    Player* player = nullptr;
};

TEST_F(DragonTest, BreathesWhenThePlayerLinesUpWithItsRowOrColumn)
{
    EXPECT_TRUE(Breathes(116, 316)) << "on its row";
    EXPECT_TRUE(Breathes(416, 600)) << "on its column";
    EXPECT_TRUE(Breathes(116, 316 + 300 * 0.14f)) << "within about 8 degrees";
    EXPECT_FALSE(Breathes(116, 316 + 300 * 0.15f));
    EXPECT_FALSE(Breathes(116, 16)) << "45 degrees";
    EXPECT_FALSE(Breathes(416, 316)) << "on its own centre the player has no direction";
    man.deleteAll();
    auto* alone = new Dragon(416, 316, &levman);
    Step();
    EXPECT_FALSE(alone->isBreathing()) << "with no player it aims at (0, 0), at 38 degrees";
}

// The head turns along the axis on which the player is farther away, and
// the fire comes up 2, 3 and 4 tiles that way, on the tile grid.
TEST_F(DragonTest, FlamesComeUpTwoThreeAndFourTilesAheadOnTheGrid)
{
    struct Case {
        float px, py;
        int32_t facing;
        std::set<Pos> flames;
    } cases[] = {
        {100, 316, 0, {{352, 316}, {320, 316}, {288, 316}}},
        {700, 316, 1, {{480, 316}, {512, 316}, {544, 316}}},
        {416, 590, 2, {{416, 380}, {416, 412}, {416, 444}}},
        {416, 20, 3, {{416, 252}, {416, 220}, {416, 188}}},
    };
    for (const Case& c : cases) {
        Dragon* dragon = DragonAndPlayerAt(c.px, c.py);
        Step();
        EXPECT_EQ(dragon->getFacing(), c.facing);
        EXPECT_TRUE(Live(FLAME_TYPE).empty());
        Step(29);
        EXPECT_EQ(dragon->getPosition(), Pos(416, 316)) << "stands still while breathing";
        Step(2);
        EXPECT_FALSE(Live(FLAME_TYPE).empty()) << c.facing;
        EXPECT_EQ(Positions(FLAME_TYPE), c.flames) << c.facing;
    }
}

TEST_F(DragonTest, OffTheGridTheFlamesSnapToTheNearestTiles)
{
    man.deleteAll();
    player = new Player(100, 330, &levman);
    player->freeze();
    new Dragon(410, 330, &levman);
    Step(32);
    EXPECT_EQ(Positions(FLAME_TYPE), (std::set<Pos>{{352, 316}, {320, 316}, {288, 316}}));
}

TEST_F(DragonTest, WalksItsPatrolAndTurnsClockwiseAtWhatItMeets)
{
    Dragon* dragon = DragonAndPlayerAt(116, 16);
    Step(100);
    EXPECT_NEAR(dragon->getPosition().first, 480, 1e-2f) << "64 pixels a second, to the right";
    dragon->collide(new Probe("wall", 536, 316, ProbeKind{WALL_TYPE, 2, false, false}));
    EXPECT_EQ(dragon->getPosition(), Pos(488, 316)) << "touching the wall's left face";
    EXPECT_EQ(dragon->getMoveDirection(), 3);
}

TEST_F(DragonTest, PutsOutTheFlamesItWalksInto)
{
    DragonAndPlayerAt(100, 16);
    auto* flame = new Flame(456, 316);
    flame->postLoad();
    Step();
    EXPECT_TRUE(flame->isDead());
}

// Each freeze-beam hit takes a quarter of its brightness; the fifth kills
// it and the game shows the credits. A hit on the ice of an earlier hit
// does not count.
TEST_F(DragonTest, FiveFreezeBeamHitsWinTheGame)
{
    Dragon* dragon = DragonAndPlayerAt(100, 16);
    for (int hit = 1; hit <= 4; ++hit) {
        dragon->collide(Beam(FREEZE_BEAM_TYPE, 300, 316));
        EXPECT_FLOAT_EQ(dragon->getBrightness(), 1.0f - 0.25f * hit);
    }
    EXPECT_FALSE(dragon->isDead()) << "drawn fully dark";
    EXPECT_EQ(levman.GetState(), STATE_PLAY);
    dragon->collide(Beam(FREEZE_BEAM_TYPE, 300, 316));
    EXPECT_TRUE(dragon->isDead());
    EXPECT_EQ(levman.GetState(), STATE_CREDITS);

    dragon = DragonAndPlayerAt(100, 16);
    new FreezeBeam(300, 304, 1);
    Step(30);
    EXPECT_FLOAT_EQ(dragon->getBrightness(), 0.75f);
    ASSERT_TRUE(dragon->isFrozen());
    new FreezeBeam(300, 304, 1);
    Step(30);
    EXPECT_FLOAT_EQ(dragon->getBrightness(), 0.75f) << "the second beam stopped at the ice";
}

}  // namespace
