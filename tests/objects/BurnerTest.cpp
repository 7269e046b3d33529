#include <sstream>
#include "objects/Burner.h"
#include "objects/ChemistryFixture.h"
#include "objects/HitMeSwitch.h"
#include "objects/PressureSwitch.h"

namespace {

std::string Bytes(uint32_t value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

class BurnerTest : public ChemistryTest {
protected:
    Burner* BurnerOn(uint32_t switchId)
    {
        std::istringstream in(Bytes(switchId));
        return new Burner(100, 100, &levman, &in);
    }
    HitMeSwitch* SwitchOn(uint32_t id)
    {
        std::istringstream in(Bytes(id) + Bytes(1));
        return new HitMeSwitch(300, 300, &levman, &in);
    }
    // The steps at which new flames appeared, over `steps` steps.
    std::vector<int> FlameSteps(int steps)
    {
        std::vector<int> at;
        size_t seen = 0;
        for (int i = 1; i <= steps; ++i) {
            Step();
            size_t now = 0;
            man.forEach([&](BaseObject* o) { now += o->getType() == FLAME_TYPE; });
            if (now > seen) at.push_back(i);
            seen = now;
        }
        return at;
    }
};

TEST_F(BurnerTest, LightsAFlameEveryTwoSecondsAndAStepWhileItsSwitchIsOn)
{
    SwitchOn(4);
    BurnerOn(4);
    EXPECT_EQ(FlameSteps(450), (std::vector<int>{1, 202, 403}));
}

TEST_F(BurnerTest, FollowsItsSwitchAndIgnoresOthers)
{
    auto* own = SwitchOn(4);
    own->setState(0);
    SwitchOn(5);
    BurnerOn(4);
    BurnerOn(9)->getSwitchId();  // no switch has id 9
    EXPECT_TRUE(FlameSteps(300).empty());
    own->toggle();
    EXPECT_EQ(FlameSteps(3), (std::vector<int>{1}));
}

TEST_F(BurnerTest, ItsFlameBurnsWhatStandsOnTheBurner)
{
    SwitchOn(0);
    auto* walker = Walker(100, 100);
    BurnerOn(0);
    Step(3);
    EXPECT_TRUE(walker->isDead());
}

TEST_F(BurnerTest, ClickingASwitchLinksTheBurnerAnyOtherClickMovesIt)
{
    std::istringstream in(Bytes(6) + Bytes(0));
    new PressureSwitch(256, 156, &levman, &in);
    auto* burner = BurnerOn(2);
    burner->editAt(256, 156);
    EXPECT_EQ(burner->getSwitchId(), 6u);
    EXPECT_EQ(burner->getPosition(), Pos(100, 100)) << "linking does not move it";
    burner->editAt(320, 156);
    EXPECT_EQ(burner->getPosition(), Pos(320, 156));
    std::ostringstream out;
    burner->save(out);
    EXPECT_EQ(out.str(), Bytes(6));

    burner->setTool();
    burner->editAt(64, 92);
    auto* made = dynamic_cast<Burner*>(man.objectAt(64, 92));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->getSwitchId(), 0u);
}

}  // namespace
