#include "objects/ChemistryFixture.h"
#include "objects/Flame.h"
#include "objects/Gas.h"
#include "support/GlRecorder.h"

namespace {

class GasTest : public ChemistryTest {
protected:
    // Lights a gas at (200, 200) with a laser centred at (lx, ly) and
    // returns where the flames come up.
    std::set<Pos> FlamesFromALaserAt(float lx, float ly)
    {
        man.deleteAll();
        auto* gas = new Gas(200, 200, &levman);
        gas->collide(Beam(LASER_TYPE, lx, ly));
        Step(40);
        EXPECT_TRUE(gas->isDead());
        return Positions(FLAME_TYPE);
    }
};

TEST_F(GasTest, TheFireGoesToTheSideAwayFromTheLaser)
{
    EXPECT_EQ(FlamesFromALaserAt(150, 212), (std::set<Pos>{{232, 168}, {232, 200}, {232, 232}})) << "from the left";
    EXPECT_EQ(FlamesFromALaserAt(250, 212), (std::set<Pos>{{168, 168}, {168, 200}, {168, 232}})) << "from the right";
    EXPECT_EQ(FlamesFromALaserAt(200, 150), (std::set<Pos>{{168, 232}, {200, 232}, {232, 232}})) << "from below";
    EXPECT_EQ(FlamesFromALaserAt(210, 250), (std::set<Pos>{{168, 168}, {200, 168}, {232, 168}})) << "from above";
    EXPECT_EQ(FlamesFromALaserAt(216, 150), (std::set<Pos>{{168, 232}, {200, 232}, {232, 232}}))
        << "a laser centred on the box's edge came from below";
    EXPECT_EQ(FlamesFromALaserAt(216.5f, 150), (std::set<Pos>{{168, 168}, {168, 200}, {168, 232}}))
        << "just beside the box it came from the side";
}

// The fuse burns 0.3 s from the last laser contact; meanwhile the gas is
// not drawn, and its flames ignite.
TEST_F(GasTest, EveryLaserContactRestartsTheFuse)
{
    auto* gas = new Gas(200, 200, &levman);
    GlRecorder gl;
    gas->draw();
    EXPECT_EQ(gl.Named("begin").size(), 1u);
    gas->collide(Beam(LASER_TYPE, 150, 200));
    Step(20);
    gl.Clear();
    gas->draw();
    EXPECT_TRUE(gl.Named("begin").empty()) << "a lit gas is invisible";
    gas->collide(Beam(LASER_TYPE, 150, 200));
    Step(28);
    EXPECT_FALSE(gas->isDead()) << "0.28 s after the second laser";
    EXPECT_TRUE(Live(FLAME_TYPE).empty());
    Step(3);
    EXPECT_TRUE(gas->isDead()) << "0.31 s after the second laser";
    ASSERT_EQ(Live(FLAME_TYPE).size(), 3u);
    EXPECT_EQ(static_cast<Flame*>(Live(FLAME_TYPE)[0])->getIgniteSteps(), Flame::IGNITE_EVENTS);
}

TEST_F(GasTest, OnlyALaserLightsIt)
{
    auto* gas = new Gas(200, 200, &levman);
    gas->collide(Beam(FREEZE_BEAM_TYPE, 150, 200));
    gas->collide(Walker(180, 200));
    Step(50);
    EXPECT_FALSE(gas->isDead());
    EXPECT_LT(gas->getFuse(), 0.0f);
}

}  // namespace
