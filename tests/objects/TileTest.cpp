#include <set>
#include <utility>
#include "objects/Floor.h"
#include "objects/Wall.h"
#include "objects/WorldFixture.h"
#include "support/GlRecorder.h"

namespace {

using Pos = std::pair<float, float>;
using Cells = std::multiset<Pos>;

class TileTest : public WorldTest {
protected:
    Cells PositionsOf(ObjectType type)
    {
        Cells out;
        man.forEach([&](BaseObject* o) {
            if (o->getType() == type) out.insert(o->getPosition());
        });
        return out;
    }
};

TEST_F(TileTest, FillPaintsTheRectangleBetweenTheTileAndTheClick)
{
    auto* floor = new Floor(64, 92);
    floor->editAt(128, 156);
    EXPECT_EQ(PositionsOf(FLOOR_TYPE), (Cells{{64, 92}, {96, 92}, {128, 92}, {64, 124}, {96, 124},
                                             {128, 124}, {64, 156}, {96, 156}, {128, 156}}))
        << "every cell once, the selected tile not repeated";
    EXPECT_EQ(floor->getPosition(), Pos(64, 92)) << "the selected tile stays";

    // Towards the lower left, one row high, with walls.
    new Wall(320, 284);
    man.objectAt(320, 284)->editAt(256, 284);
    EXPECT_EQ(PositionsOf(WALL_TYPE), (Cells{{256, 284}, {288, 284}, {320, 284}}));

    // Clicking the tile itself paints nothing.
    floor->editAt(64, 92);
    EXPECT_EQ(PositionsOf(FLOOR_TYPE).size(), 9u);
}

TEST_F(TileTest, ADeadFloorIsDrawnUntilRemovedAndADeadWallIsNot)
{
    GlRecorder gl;
    auto* floor = new Floor(64, 92);
    auto* wall = new Wall(96, 92);
    floor->kill();
    wall->kill();
    man.drawAll();
    ASSERT_EQ(gl.Named("vertex").size(), 4u);
    EXPECT_EQ(gl.Named("vertex")[0].args, (std::vector<float>{48, 76}));
    gl.Clear();
    man.removeDead();
    man.drawAll();
    EXPECT_TRUE(gl.Named("vertex").empty());
}

} // namespace
