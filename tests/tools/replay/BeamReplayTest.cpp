#include "ReplayRun.h"

namespace {

// A room with the player at (192, 284), a hit switch in the top wall at
// (416, 412), a block two tiles above the player and another to its right.
const char* const ROOM =
    "legend s = floor + hit-switch 4 off\n"
    "|                          |\n"
    "|                          |\n"
    "|                          |\n"
    "|                          |\n"
    "|                          |\n"
    "|   ##########s#######     |\n"
    "|   #................#     |\n"
    "|   #..B.............#     |\n"
    "|   #................#     |\n"
    "|   #..@.........B...#     |\n"
    "|   #................#     |\n"
    "|   #................#     |\n"
    "|   ##################     |\n"
    "|                          |\n"
    "|                          |\n"
    "|                          |\n"
    "|                          |\n"
    "|                          |\n";

class BeamReplay : public ReplayRun {
protected:
    // The traced objects of one type in a trace line.
    static std::vector<std::string> ObjectsOfType(const std::string& line, int type)
    {
        std::vector<std::string> found;
        std::string key = "{\"type\":" + std::to_string(type) + ",";
        for (size_t at = line.find(key); at != std::string::npos; at = line.find(key, at + 1))
            found.push_back(line.substr(at, line.find('}', at) - at + 1));
        return found;
    }
};

TEST_F(BeamReplay, ALaserShotAtAHitSwitchFlipsIt)
{
    UseLevel("beams.dat", ROOM);
    // Walk right 7 tiles (28 steps of 8 pixels), turn up, fire.
    ASSERT_EQ(Run("5 hold 39 200\n220 hold 38 3\n250 key 70\n251 keyup 70\n", "--frames 320 --trace-every 1"), 0);
    std::vector<std::string> lines = Trace();
    ASSERT_EQ(lines.size(), 320u);
    EXPECT_TRUE(Has(ObjectsOfType(lines[240], 4).at(0), "\"id\":4,\"state\":0"));
    EXPECT_FALSE(ObjectsOfType(lines[260], 6).empty()) << "the laser flies";
    EXPECT_TRUE(Has(ObjectsOfType(lines.back(), 4).at(0), "\"id\":4,\"state\":1"));
    EXPECT_TRUE(ObjectsOfType(lines.back(), 6).empty()) << "the laser is gone";
}

TEST_F(BeamReplay, ALaserFiredUpIntoABlockPushesIt)
{
    UseLevel("beams.dat", ROOM);
    // Turn up (one step), fire at the block two tiles above.
    ASSERT_EQ(Run("5 hold 38 3\n30 key 70\n31 keyup 70\n", "--frames 150 --trace-every 1"), 0);
    std::vector<std::string> lines = Trace();
    ASSERT_FALSE(lines.empty());
    const std::string block = "{\"type\":3,\"x\":192,\"y\":";
    EXPECT_TRUE(Has(lines[0], block + "348,"));
    EXPECT_TRUE(Has(lines.back(), block + "364,")) << "half a tile up";
}

}  // namespace
