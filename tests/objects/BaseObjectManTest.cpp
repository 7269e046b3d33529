#include <sstream>
#include "objects/ProbeObject.h"
#include "support/RecordingPlatform.h"

namespace {

using Lines = std::vector<std::string>;

const ProbeKind WALL{WALL_TYPE, 2, false, true};
const ProbeKind FLOOR{FLOOR_TYPE, 1, false, false};

class BaseObjectManTest : public ObjectListTest {
protected:
    // Runs one step and returns what the objects were told, collisions
    // only unless `withUpdates`.
    Lines Step(bool withUpdates = false)
    {
        Probe::Log().clear();
        man.updateAll(0.01f, nullptr);
        Lines out;
        for (const std::string& line : Probe::Log())
            if (withUpdates || line.rfind("collide", 0) == 0) out.push_back(line);
        return out;
    }
};

TEST_F(BaseObjectManTest, OverlapIsStrictAndEachObjectIsTestedRightAfterItsUpdate)
{
    new Probe("a", 100, 100);
    new Probe("right", 132, 100);
    new Probe("below", 100, 68);
    EXPECT_TRUE(Step().empty()) << "boxes that only touch do not collide";

    man.deleteAll();
    new Probe("a", 100, 100);
    new Probe("b", 131.9f, 131.9f);
    EXPECT_EQ(Step(true), (Lines{"update b", "collide b a", "collide a b",
                                 "update a", "collide a b", "collide b a"}));
}

TEST_F(BaseObjectManTest, StaticAndNonSolidObjectsNeverStartATest)
{
    new Probe("wall", 100, 100, WALL);
    new Probe("mover", 100, 110);
    new Probe("wall2", 110, 100, WALL);
    new Probe("floor", 100, 100, FLOOR);
    new Probe("ghost", 100, 100, ProbeKind{BLOCK_TYPE, 2, true, false});
    EXPECT_EQ(Step(), (Lines{"collide mover wall2", "collide wall2 mover",
                             "collide mover wall", "collide wall mover"}));
}

TEST_F(BaseObjectManTest, CollideWithAllTellsOnlyTheAskerOfEveryLiveOverlap)
{
    auto* zone = new Probe("zone", 100, 100, ProbeKind{TOOL_ZONE_TYPE, 0, true, true, 200});
    new Probe("floor", 50, 100, FLOOR);
    (new Probe("dead", 60, 100))->kill();
    (new Probe("frozen", 150, 100))->freeze();
    new Probe("far", 500, 100);
    EXPECT_EQ(Step(true), (Lines{"update far", "update floor", "update zone"}))
        << "frozen objects get neither update nor collide from a step";

    Probe::Log().clear();
    man.collideWithAll(zone);
    EXPECT_EQ(Probe::Log(), (Lines{"collide zone frozen", "collide zone floor"}));

    Probe::Log().clear();
    zone->onCollide = [zone](BaseObject*) { zone->kill(); };
    man.collideWithAll(zone);
    man.collideWithAll(zone);
    EXPECT_EQ(Probe::Log(), (Lines{"collide zone frozen"})) << "stops once the asker dies";
}

TEST_F(BaseObjectManTest, ObjectsKilledDuringTheStepAreSkippedButStayUntilRemoved)
{
    auto* victim = new Probe("victim", 100, 100);
    auto* killer = new Probe("killer", 110, 100);
    killer->onUpdate = [victim] { victim->kill(); };
    EXPECT_EQ(Step(true), (Lines{"update killer"}));
    EXPECT_EQ(man.objectAt(90, 100), victim);

    man.removeDead();
    EXPECT_EQ(Names(), (Lines{"killer"}));

    // Dying in its own collision walk ends the walk.
    new Probe("wall", 115, 100, WALL);
    killer->onUpdate = nullptr;
    killer->onCollide = [killer](BaseObject*) { killer->kill(); };
    new Probe("wall2", 105, 100, WALL);
    EXPECT_EQ(Step(), (Lines{"collide killer wall2", "collide wall2 killer"}));
}

TEST_F(BaseObjectManTest, ObjectsMadeDuringTheStepAreOnlyPartnersInLaterWalks)
{
    new Probe("early", 300, 300);
    auto* spawner = new Probe("spawner", 10, 10);
    spawner->onUpdate = [] { new Probe("spawn", 310, 300); };
    EXPECT_EQ(Step(true), (Lines{"update spawner", "update early", "collide early spawn",
                                 "collide spawn early"}));
    EXPECT_EQ(Names(), (Lines{"early", "spawner", "spawn"}));
}

TEST_F(BaseObjectManTest, DrawOrderIsLayerThenTypeThenCreationAndSticks)
{
    new Probe("player", 0, 0, ProbeKind{PLAYER_TYPE, 5});
    new Probe("wall1", 0, 0, WALL);
    new Probe("floor", 0, 0, FLOOR);
    new Probe("block1", 0, 0, ProbeKind{BLOCK_TYPE, 2});
    new Probe("wall2", 0, 0, WALL);
    new Probe("block2", 0, 0, ProbeKind{BLOCK_TYPE, 2});
    (new Probe("wall3", 0, 0, WALL))->freeze();
    Probe::Log().clear();
    man.drawAll();
    EXPECT_EQ(Probe::Log(), (Lines{"draw floor", "draw wall1", "draw wall2", "draw wall3",
                                   "draw block1", "draw block2", "draw player"}));
    EXPECT_EQ(Names(), (Lines{"floor", "wall1", "wall2", "wall3", "block1", "block2", "player"}))
        << "the next step walks the sorted order";
}

TEST_F(BaseObjectManTest, ObjectAtPicksTheTopmostAndIgnoresEdges)
{
    auto* player = new Probe("player", 100, 100, ProbeKind{PLAYER_TYPE, 5});
    auto* floor = new Probe("floor", 100, 100, FLOOR);
    auto* wall = new Probe("wall", 132, 100, WALL);
    EXPECT_EQ(man.objectAt(110, 90), player);
    EXPECT_EQ(man.objectAt(120, 100), wall);
    EXPECT_EQ(man.objectAt(116, 100), nullptr) << "the shared edge belongs to neither";
    EXPECT_EQ(man.objectAt(100, 115.9f), player);
    player->kill();
    man.removeDead();
    EXPECT_EQ(man.objectAt(100, 100), floor);
    man.deleteAll();
    EXPECT_EQ(man.objectAt(100, 100), nullptr);
}

TEST_F(BaseObjectManTest, DeleteAllReportsObjectsMadeByDestructors)
{
    ScopedHeadlessPlatform platform;
    new Probe("a", 0, 0);
    auto* maker = new Probe("maker", 0, 0);
    new Probe("c", 0, 0);
    maker->onDestroy = [] { new Probe("orphan", 0, 0); };
    man.deleteAll();
    EXPECT_EQ(platform.Boxes(), (Lines{"Error: Not clear!"}));
    EXPECT_EQ(Names(), (Lines{"orphan"}));

    man.deleteAll();
    EXPECT_EQ(man.count(), 0u);
    EXPECT_EQ(platform.Boxes().size(), 1u);
}

TEST_F(BaseObjectManTest, SaveAllWritesLittleEndianRecordsOfLiveNonToolObjects)
{
    auto* player = new Probe("player", 32.0f, 60.0f, ProbeKind{PLAYER_TYPE, 5});
    player->payload = "xy";
    (new Probe("tool", 16.0f, 48.0f, WALL))->setTool();
    (new Probe("dead", 16.0f, 48.0f, WALL))->kill();
    new Probe("zombie", -1.5f, 0.0f, ProbeKind{ZOMBIE_TYPE, 3});
    std::ostringstream out;
    man.saveAll(out);
    const std::string expected("\x05\0\0\0" "\0\0\0\x42" "\0\0\x70\x42" "xy"
                               "\x10\0\0\0" "\0\0\xc0\xbf" "\0\0\0\0", 26);
    EXPECT_EQ(out.str(), expected);
}

} // namespace
