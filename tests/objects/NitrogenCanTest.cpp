#include "objects/BrokenNitrogenCan.h"
#include "objects/ChemistryFixture.h"
#include "objects/NitrogenCan.h"
#include "objects/Player.h"
#include "shell/VirtualKeys.h"

namespace {

class NitrogenCanTest : public ChemistryTest {};

TEST_F(NitrogenCanTest, EachBrokenCanGivesExactlyOneUnitAndGoes)
{
    auto* player = new Player(100, 92, &levman);
    new BrokenNitrogenCan(132, 92);
    new BrokenNitrogenCan(164, 92);
    Hold({VK_RIGHT});
    Step(10);
    EXPECT_EQ(player->getNitrogen(), 1);
    EXPECT_EQ(Positions(BROKEN_NITROGEN_TYPE), (std::set<Pos>{{164, 92}}));
    Step(40);
    EXPECT_EQ(player->getNitrogen(), 2);
    EXPECT_TRUE(Live(BROKEN_NITROGEN_TYPE).empty());
}

TEST_F(NitrogenCanTest, ASealedCanStopsThePlayerAndOnlyFireOpensIt)
{
    auto* player = new Player(100, 92, &levman);
    auto* can = new NitrogenCan(132, 92);
    Hold({VK_RIGHT});
    Step(20);
    EXPECT_EQ(player->getPosition(), Pos(100, 92));
    EXPECT_EQ(player->getNitrogen(), 0);
    EXPECT_NE(levman.GetMessage().find("busted open by an explosion"), std::string::npos);
    can->collide(Walker(132, 92));
    can->collide(Beam(LASER_TYPE, 120, 92));
    EXPECT_FALSE(can->isDead());
}

}  // namespace
