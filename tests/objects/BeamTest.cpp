#include <cmath>
#include "objects/FreezeBeam.h"
#include "objects/Laser.h"
#include "objects/Player.h"
#include "objects/Wall.h"
#include "objects/WorldFixture.h"
#include "shell/VirtualKeys.h"

namespace {

constexpr float GROWTH_PER_STEP = 5.12f;  // 512 pixels per second

// The ends of a beam along its direction: the rear (shooter's side) and
// the front.
struct Ends {
    float rear;
    float front;
};

Ends EndsOf(const Beam& b)
{
    auto [x, y] = b.getPosition();
    float halfW = b.getWidth() / 2, halfH = b.getHeight() / 2;
    switch (b.getDirection()) {
    case 0: return {x + halfW, x - halfW};
    case 1: return {x - halfW, x + halfW};
    case 2: return {y - halfH, y + halfH};
    default: return {y + halfH, y - halfH};
    }
}

class BeamTest : public WorldTest {};

TEST_F(BeamTest, StartsSixteenLongAndEightThickAtTheMuzzle)
{
    struct Case {
        int32_t direction;
        float x, y, w, h;
    } cases[] = {{0, 84, 112, 16, 8}, {1, 116, 112, 16, 8}, {2, 100, 122, 8, 16}, {3, 100, 104, 8, 16}};
    for (const Case& c : cases) {
        auto* laser = new Laser(100, 100, nullptr, c.direction);
        EXPECT_EQ(laser->getPosition(), std::make_pair(c.x, c.y)) << c.direction;
        EXPECT_EQ(laser->getWidth(), c.w);
        EXPECT_EQ(laser->getHeight(), c.h);
        EXPECT_TRUE(laser->isSolid());
    }
}

// Growing, the rear end stays at the muzzle; flying, the length holds and
// the beam moves 5.12 pixels a step; shrinking, the front end stays at the
// point of impact until the length passes below zero.
TEST_F(BeamTest, GrowsThenFliesThenShrinksIntoThePointOfImpact)
{
    auto* laser = new Laser(100, 100, nullptr, 1);
    float rear = EndsOf(*laser).rear;
    EXPECT_FLOAT_EQ(rear, 108.0f) << "8 pixels right of the shooter's centre";
    int growing = 0;
    while (laser->getFlightTime() < 0.2f) {
        float width = laser->getWidth();
        Step();
        ++growing;
        EXPECT_NEAR(EndsOf(*laser).rear, rear, 1e-3f) << growing;
        EXPECT_NEAR(laser->getWidth(), width + GROWTH_PER_STEP, 1e-3f) << growing;
    }
    Step(10);
    // 24 growing steps: the 25th update already counts 0.25 s of flight.
    EXPECT_NEAR(laser->getWidth(), 16 + 24 * GROWTH_PER_STEP, 1e-2f);
    EXPECT_NEAR(EndsOf(*laser).rear, 108.0f + 6 * 5.12f, 1e-2f) << "flying since the 25th step";

    float width = laser->getWidth();
    float front = EndsOf(*laser).front;
    Step(5);
    EXPECT_FLOAT_EQ(laser->getWidth(), width);
    EXPECT_NEAR(EndsOf(*laser).front, front + 5 * 5.12f, 1e-2f);

    new Wall(EndsOf(*laser).front + 20, 112);
    Step(5);
    ASSERT_FALSE(laser->isFlying());
    front = EndsOf(*laser).front;
    float stoppedLength = laser->getWidth();
    int shrinking = 0;
    while (!laser->isDead()) {
        float length = laser->getWidth();
        Step();
        ++shrinking;
        if (laser->isDead()) break;
        EXPECT_NEAR(EndsOf(*laser).front, front, 1e-3f);
        EXPECT_NEAR(laser->getWidth(), length - GROWTH_PER_STEP, 1e-3f);
    }
    EXPECT_EQ(shrinking, static_cast<int>(std::floor(stoppedLength / GROWTH_PER_STEP)) + 1);
}

// A wall 40 pixels from the shooter, in each direction: the beam stops
// while still growing with its front end exactly on the wall's near face,
// and its rear end where it was.
TEST_F(BeamTest, StopsOnTheFaceThatLooksTowardTheShooterInEveryDirection)
{
    struct Case {
        int32_t direction;
        float wallX, wallY;
        float face;
    } cases[] = {{0, 60, 112, 76}, {1, 140, 112, 124}, {2, 100, 156, 140}, {3, 100, 60, 76}};
    for (const Case& c : cases) {
        man.deleteAll();
        auto* laser = new Laser(100, 100, nullptr, c.direction);
        new Wall(c.wallX, c.wallY);
        float rear = EndsOf(*laser).rear;
        while (laser->isFlying() && laser->getFlightTime() < 1.0f) Step();
        EXPECT_LT(laser->getFlightTime(), Beam::GROW_TIME) << c.direction;
        EXPECT_FALSE(laser->isSolid());
        EXPECT_FLOAT_EQ(EndsOf(*laser).front, c.face) << c.direction;
        EXPECT_FLOAT_EQ(EndsOf(*laser).rear, rear) << c.direction;
    }
}

TEST_F(BeamTest, CrossingBeamsBothDieAndOfTwoParallelOnesTheShorter)
{
    auto* across = new Laser(100, 100, nullptr, 1);
    auto* upward = new Laser(130, 60, nullptr, 2);
    Step(8);
    EXPECT_TRUE(across->isDead());
    EXPECT_TRUE(upward->isDead());

    man.deleteAll();
    auto* older = new Laser(100, 100, nullptr, 1);
    Step(3);
    auto* younger = new Laser(100, 100, nullptr, 1);
    Step();
    EXPECT_TRUE(younger->isDead());
    EXPECT_FALSE(older->isDead());

    auto* a = new FreezeBeam(100, 100, 1);
    auto* b = new FreezeBeam(100, 100, 1);
    a->collide(b);
    b->collide(a);
    EXPECT_FALSE(a->isDead()) << "beams of equal length both live";
    EXPECT_FALSE(b->isDead());
    auto* c = new FreezeBeam(100, 100, 2);
    c->collide(a);
    EXPECT_TRUE(c->isDead()) << "crossing freeze beams die like lasers";
}

TEST_F(BeamTest, TheLaserPassesThroughPlayersAndIceAndTheFreezeBeamOnlyThroughPlayers)
{
    auto flight = [&](Beam* beam, ObjectType obstacle) {
        new Probe("obstacle", 150, 112, ProbeKind{obstacle, 2, false, true});
        Step(10);
        bool flying = beam->isFlying();
        man.deleteAll();
        return flying;
    };
    EXPECT_TRUE(flight(new Laser(100, 100, nullptr, 1), PLAYER_TYPE));
    EXPECT_TRUE(flight(new Laser(100, 100, nullptr, 1), ICE_CUBE_TYPE));
    EXPECT_FALSE(flight(new Laser(100, 100, nullptr, 1), GAS_TYPE));
    EXPECT_TRUE(flight(new FreezeBeam(100, 100, 1), PLAYER_TYPE));
    EXPECT_FALSE(flight(new FreezeBeam(100, 100, 1), ICE_CUBE_TYPE));
    EXPECT_FALSE(flight(new FreezeBeam(100, 100, 1), LASER_TYPE)) << "beams of other kinds stop each other";
}

TEST_F(BeamTest, AStoppedBeamTakesPartInNoFurtherCollision)
{
    auto* laser = new Laser(100, 100, nullptr, 1);
    new Wall(140, 112);
    Step(2);
    ASSERT_FALSE(laser->isFlying());
    int contacts = 0;
    auto* walker = new Probe("walker", 110, 112, ProbeKind{ZOMBIE_TYPE, 3, true, true});
    walker->onCollide = [&](BaseObject* other) { contacts += other == laser; };
    Step(3);
    EXPECT_EQ(contacts, 0);
}

// A beam that has wholly left the playfield is removed; one with any part
// still on it flies on as before.
TEST_F(BeamTest, BeamsThatLeaveThePlayfieldAreRemovedOthersAreNot)
{
    // Each beam is stepped until it is removed, and its rear end is checked
    // to have just left the field at that moment.
    auto flyOff = [&](Beam* beam, auto rearOnField) {
        for (int steps = 0; steps < 200 && !beam->isDead(); ++steps) {
            EXPECT_TRUE(rearOnField(EndsOf(*beam).rear)) << "removed while still on screen";
            Step();
        }
        EXPECT_TRUE(beam->isDead());
        return EndsOf(*beam).rear;
    };
    auto* left = new Laser(300, 300, nullptr, 0);
    EXPECT_NEAR(flyOff(new Laser(760, 300, nullptr, 1), [](float r) { return r < 800; }), 800, 5.2f);
    EXPECT_NEAR(flyOff(new FreezeBeam(400, 30, 3), [](float r) { return r > 0; }), 0, 5.2f);
    EXPECT_FALSE(left->isDead()) << "still partly on screen";
    EXPECT_TRUE(left->isFlying());
}

TEST_F(BeamTest, FAndDFireFromThePlayersCentreInItsFacing)
{
    auto* player = new Player(200, 92, &levman);
    Hold({VK_UP});
    Step();
    Hold({});
    Step(8);
    Hold({'F'});
    Step();
    Hold({});
    std::vector<Beam*> beams;
    man.forEach([&](BaseObject* o) {
        if (o->getType() == LASER_TYPE || o->getType() == FREEZE_BEAM_TYPE) beams.push_back(static_cast<Beam*>(o));
    });
    ASSERT_EQ(beams.size(), 1u);
    EXPECT_EQ(beams[0]->getType(), LASER_TYPE);
    EXPECT_EQ(beams[0]->getDirection(), player->getFacing());
    EXPECT_EQ(beams[0]->getPosition(), std::make_pair(200.0f, 100.0f + 22));
}

}  // namespace
