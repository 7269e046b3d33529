#include <sstream>
#include "objects/FreezeBeam.h"
#include "objects/HitMeSwitch.h"
#include "objects/Laser.h"
#include "objects/PressureSwitch.h"
#include "objects/WorldFixture.h"

namespace {

std::string Payload(uint32_t id, uint32_t state)
{
    std::ostringstream out;
    out.write(reinterpret_cast<const char*>(&id), 4);
    out.write(reinterpret_cast<const char*>(&state), 4);
    return out.str();
}

class SwitchTest : public WorldTest {
protected:
    // Something solid that stands still on the plate at (100, 100).
    Probe* Weight(const char* name = "weight", bool solid = true)
    {
        return new Probe(name, 100, 100, ProbeKind{BLOCK_TYPE, 2, false, solid});
    }
};

TEST_F(SwitchTest, AHitSwitchFlipsOnceForEveryLaserShot)
{
    auto* target = new HitMeSwitch(200, 112, &levman, nullptr);
    new Laser(100, 100, nullptr, 1);
    Step(60);
    EXPECT_EQ(target->getState(), 1u);
    EXPECT_TRUE(levman.IsSwitchOn(target->getId()));
    new Laser(100, 100, nullptr, 1);
    Step(60);
    EXPECT_EQ(target->getState(), 0u);
    new FreezeBeam(100, 100, 1);
    Step(60);
    EXPECT_EQ(target->getState(), 0u) << "only lasers flip it";
}

TEST_F(SwitchTest, APlateIsOnWhileSomethingSolidStandsOnIt)
{
    auto* plate = new PressureSwitch(100, 100, &levman, nullptr);
    Step();
    EXPECT_EQ(plate->getState(), 0u);
    auto* weight = Weight();
    Step();
    EXPECT_EQ(plate->getState(), 1u);
    Step(5);
    EXPECT_EQ(plate->getState(), 1u);
    weight->kill();
    Step();
    EXPECT_EQ(plate->getState(), 0u) << "off in the first step with nothing on it";

    Weight("floor", false);
    Step();
    EXPECT_EQ(plate->getState(), 0u) << "things that are not solid weigh nothing";

    Weight()->freeze();
    Step();
    EXPECT_EQ(plate->getState(), 1u) << "frozen objects still press";
}

// With k objects on it the count grows by k - 1 a step; after they leave
// the plate stays on as many steps as the count reached.
TEST_F(SwitchTest, SeveralObjectsKeepThePlateOnForAWhileAfterTheyLeave)
{
    auto* plate = new PressureSwitch(100, 100, &levman, nullptr);
    Probe* weights[] = {Weight("a"), Weight("b"), Weight("c")};
    Step(4);
    EXPECT_EQ(plate->getPressCount(), 8);
    for (Probe* w : weights) w->kill();
    for (int i = 0; i < 8; ++i) {
        Step();
        EXPECT_EQ(plate->getState(), 1u) << i;
    }
    Step();
    EXPECT_EQ(plate->getState(), 0u);
}

TEST_F(SwitchTest, BeamsPassOverAPlateWithoutPressingIt)
{
    auto* plate = new PressureSwitch(200, 100, &levman, nullptr);
    new Laser(100, 88, nullptr, 1);
    new FreezeBeam(100, 88, 1);
    for (int i = 0; i < 40; ++i) {
        Step();
        ASSERT_EQ(plate->getState(), 0u) << i;
    }
}

TEST_F(SwitchTest, IdAndStateComeFromTheFileAndGoBackToIt)
{
    std::istringstream in(Payload(7, 1));
    auto* loaded = new PressureSwitch(100, 100, &levman, &in);
    EXPECT_EQ(loaded->getId(), 7u);
    EXPECT_TRUE(levman.IsSwitchOn(7));
    std::ostringstream out;
    loaded->save(out);
    EXPECT_EQ(out.str(), Payload(7, 1));
}

TEST_F(SwitchTest, EditorClicksMakeToggleOrMove)
{
    auto* tool = new HitMeSwitch(16, 48, &levman, nullptr);
    tool->setTool();
    tool->editAt(128, 156);
    auto* placed = dynamic_cast<HitMeSwitch*>(man.objectAt(128, 156));
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->getId(), 1u) << "the lowest free id";
    EXPECT_EQ(placed->getState(), 0u);

    placed->editAt(128 + 15, 156 - 15);
    EXPECT_EQ(placed->getState(), 1u) << "a click on the switch sets its starting state";
    EXPECT_EQ(placed->getPosition(), std::make_pair(128.0f, 156.0f));
    placed->editAt(128 + 16, 156);
    EXPECT_EQ(placed->getPosition(), std::make_pair(144.0f, 156.0f));
    EXPECT_EQ(placed->getState(), 1u);

    tool->kill();
    man.removeDead();
    tool = new HitMeSwitch(16, 48, &levman, nullptr);
    EXPECT_EQ(tool->getId(), 0u) << "a freed id is taken again";
}

TEST_F(SwitchTest, ADuplicateIdIsRefusedAndItsRemovalLeavesTheFirstRegistered)
{
    std::istringstream first(Payload(3, 1)), second(Payload(3, 0));
    new HitMeSwitch(100, 100, &levman, &first);
    auto* clash = new PressureSwitch(200, 100, &levman, &second);
    EXPECT_EQ(platform.Boxes(), (std::vector<std::string>{"Error: Attempting to add an invalid switch"}));
    delete clash;
    EXPECT_EQ(platform.Boxes().back(), "Error: Attempting to remove an invalid switch");
    EXPECT_TRUE(levman.IsSwitchOn(3)) << "the first switch is still the one registered";
}

}  // namespace
