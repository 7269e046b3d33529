#include "ReplayRun.h"
#include "resources/WholeFile.h"

namespace {

// The dragon is shut in a pocket above a shaft. The player collects five
// units of nitrogen along a corridor, steps into the shaft (never in line
// with the dragon, so it never breathes) and fires a freeze beam up every
// 2.2 seconds, once the ice of the last hit has melted.
TEST_F(ReplayRun, FiveFreezeBeamsDefeatTheDragonAndShowTheCredits)
{
    UseLevel("dragon.dat", ReadWholeFile(std::string(VELKAMIRE_SOURCE_DIR) + "/tests/tools/replay/dragon_pocket.lvl"));
    std::string script = "5 hold 37 168\n180 hold 38 3\n";
    for (int shot = 0; shot < 5; ++shot) {
        int frame = 200 + 220 * shot;
        script += std::to_string(frame) + " key 68\n" + std::to_string(frame + 1) + " keyup 68\n";
    }
    ASSERT_EQ(Run(script, "--frames 1150 --trace-every 1"), 0);
    std::vector<std::string> lines = Trace();
    ASSERT_EQ(lines.size(), 1150u);
    std::vector<size_t> hits;
    std::string last = "\"brightness\":1,";
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_FALSE(Has(lines[i], "\"breathing\":true")) << "frame " << i;
        size_t at = lines[i].find("\"brightness\":");
        if (at == std::string::npos) break;
        std::string now = lines[i].substr(at, lines[i].find(',', at) - at + 1);
        if (now != last) hits.push_back(i);
        last = now;
    }
    EXPECT_EQ(hits.size(), 4u) << "four hits darken it; the fifth kills it";
    EXPECT_TRUE(Has(lines[1000], "\"state\":0"));
    EXPECT_TRUE(Has(lines.back(), "\"state\":2")) << "the credits";
    EXPECT_FALSE(Has(lines.back(), "{\"type\":20,")) << "the dragon is gone";
    EXPECT_TRUE(Has(lines.back(), "\"nitrogen\":0"));
}

}  // namespace
