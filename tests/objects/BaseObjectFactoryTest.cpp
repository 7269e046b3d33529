#include <algorithm>
#include <memory>
#include <sstream>
#include "objects/ProbeObject.h"

namespace {

// Makes probes named after itself and remembers what it was handed. Like
// the game's makers with a payload, it reads a byte from a level stream.
class ProbeMaker : public BaseObjectFactory {
public:
    ProbeMaker(ObjectType type, std::string name) : BaseObjectFactory(type), name(std::move(name)) {}

    void create(float x, float y, LevelManager* levman, std::istream* in) override
    {
        lastLevman = levman;
        lastStream = in;
        if (in) in->get();
        new Probe(name, x, y, ProbeKind{getType(), 6});
    }

    std::string name;
    LevelManager* lastLevman = nullptr;
    std::istream* lastStream = nullptr;
};

using Lines = std::vector<std::string>;
using BaseObjectFactoryTest = ObjectListTest;

TEST_F(BaseObjectFactoryTest, CreateObjectUsesTheMakerOfThatTypeOnly)
{
    // Never dereferenced: the maker only passes it on.
    auto* levman = reinterpret_cast<LevelManager*>(std::uintptr_t(0x1000));
    std::istringstream file("pq");
    {
        ProbeMaker maker(LASER_TYPE, "laser");
        BaseObjectFactory::createObject(LASER_TYPE, 64, 92, levman, &file);
        BaseObjectFactory::createObject(FREEZE_BEAM_TYPE, 0, 0, levman, &file);
        ASSERT_EQ(Names(), (Lines{"laser"}));
        ASSERT_NE(man.objectAt(64, 92), nullptr);
        EXPECT_EQ(man.objectAt(64, 92)->getPosition(), std::make_pair(64.0f, 92.0f));
        EXPECT_TRUE(maker.lastLevman == levman && maker.lastStream == &file);
    }
    BaseObjectFactory::createObject(LASER_TYPE, 64, 92, levman, &file);
    EXPECT_EQ(man.count(), 1u);
    EXPECT_EQ(file.get(), 'q') << "a type without a maker reads nothing";
}

TEST_F(BaseObjectFactoryTest, ALaterMakerReplacesAndOnlyItsOwnEntryIsErased)
{
    auto first = std::make_unique<ProbeMaker>(TOOL_ZONE_TYPE, "first");
    auto second = std::make_unique<ProbeMaker>(TOOL_ZONE_TYPE, "second");
    ProbeMaker ice(ICE_CUBE_TYPE, "ice");
    first.reset();
    std::vector<ObjectType> types = BaseObjectFactory::registeredTypes();
    EXPECT_TRUE(std::is_sorted(types.begin(), types.end())) << "the palette's order";
    BaseObjectFactory::createObject(TOOL_ZONE_TYPE, 0, 0, nullptr, nullptr);
    EXPECT_EQ(Names(), (Lines{"second"})) << "the replaced maker must not unregister its successor";

    second.reset();
    types = BaseObjectFactory::registeredTypes();
    EXPECT_EQ(std::count(types.begin(), types.end(), TOOL_ZONE_TYPE), 0);
}

TEST_F(BaseObjectFactoryTest, EditAtDropsACopyFromAToolAndMovesAnythingElse)
{
    ProbeMaker maker(LASER_TYPE, "made");
    auto* tool = new Probe("tool", 16, 48, ProbeKind{LASER_TYPE, 6});
    tool->setTool();
    tool->editAt(96, 124);
    EXPECT_EQ(tool->getPosition(), std::make_pair(16.0f, 48.0f));
    EXPECT_EQ(Names(), (Lines{"tool", "made"}));
    EXPECT_TRUE(maker.lastLevman == nullptr && maker.lastStream == nullptr);

    BaseObject* made = man.objectAt(96, 124);
    ASSERT_NE(made, nullptr);
    made->editAt(160, 188);
    EXPECT_EQ(made->getPosition(), std::make_pair(160.0f, 188.0f));
    EXPECT_EQ(man.count(), 2u);
}

} // namespace
