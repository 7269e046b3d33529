#include "objects/Block.h"
#include "objects/BrokenNitrogenCan.h"
#include "objects/ChemistryFixture.h"
#include "objects/Flame.h"
#include "objects/NitrogenCan.h"
#include "objects/Wall.h"

namespace {

class FlameTest : public ChemistryTest {};

TEST_F(FlameTest, ANewFlameBurnsWhatItLandsOnAndALevelFlameDoesNot)
{
    auto* walker = Walker(100, 100);
    new Flame(100, 100);
    Step();
    EXPECT_TRUE(walker->isDead());

    man.deleteAll();
    walker = Walker(100, 100);
    auto* fromFile = new Flame(100, 100);
    man.postLoadAll();
    EXPECT_TRUE(fromFile->isStatic());
    Step(5);
    EXPECT_FALSE(walker->isDead());
    EXPECT_FALSE(fromFile->isDead()) << "a level flame is only an obstacle";
}

// Updates and contacts use up the same three events: the first update
// leaves two, so only two of three things under a new flame burn.
TEST_F(FlameTest, ThreeIgnitionEventsCountedByUpdatesAndContactsTogether)
{
    Probe* under[] = {Walker(100, 100), Walker(100, 100), Walker(100, 100)};
    auto* flame = new Flame(100, 100);
    Step();
    int burnt = 0;
    for (Probe* p : under) burnt += p->isDead();
    EXPECT_EQ(burnt, 2);
    EXPECT_EQ(flame->getIgniteSteps(), 0u);
    EXPECT_TRUE(flame->isStatic());

    auto* late = new Flame(300, 100);
    Step(3);
    Walker(300, 100);
    Step();
    EXPECT_EQ(Live(ZOMBIE_TYPE).size(), 2u) << "a flame three steps old burns nothing";
    EXPECT_FALSE(late->isDead());
}

TEST_F(FlameTest, FireProofThingsPutANewFlameOut)
{
    auto tryToBurn = [&](auto makeThing) {
        man.deleteAll();
        BaseObject* thing = makeThing();
        auto* flame = new Flame(100, 100);
        Step();
        EXPECT_FALSE(thing->isDead()) << thing->getType();
        return flame->isDead();
    };
    EXPECT_TRUE(tryToBurn([] { return new Wall(100, 100); }));
    EXPECT_TRUE(tryToBurn([] { return new Block(100, 100); }));
    EXPECT_TRUE(tryToBurn([] { return new BrokenNitrogenCan(100, 100); }));
    EXPECT_TRUE(tryToBurn([] { return new Probe("dragon", 100, 100, ProbeKind{DRAGON_TYPE, 5, false, true, 64}); }));
}

TEST_F(FlameTest, IcePutsOutEveryFlame)
{
    auto* burning = new Flame(100, 100);
    burning->postLoad();
    burning->collide(new Probe("ice", 100, 100, ProbeKind{ICE_CUBE_TYPE, 6, false, true}));
    EXPECT_TRUE(burning->isDead());
}

// A sealed can bursts under a new flame; a level flame beside it never
// touches it, since both stand still.
TEST_F(FlameTest, ANewFlameBurstsASealedCanIntoABrokenOne)
{
    new NitrogenCan(100, 100);
    auto* flame = new Flame(100, 100);
    Step();
    EXPECT_TRUE(flame->isDead());
    EXPECT_TRUE(Live(NITROGEN_TYPE).empty());
    EXPECT_EQ(Positions(BROKEN_NITROGEN_TYPE), (std::set<Pos>{{100, 100}}));

    man.deleteAll();
    new NitrogenCan(100, 100);
    new Flame(110, 100);
    man.postLoadAll();
    Step(10);
    EXPECT_EQ(Live(NITROGEN_TYPE).size(), 1u);
    EXPECT_TRUE(Live(BROKEN_NITROGEN_TYPE).empty());
}

}  // namespace
