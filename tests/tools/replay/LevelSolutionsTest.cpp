#include <fstream>
#include "ReplayRun.h"
#include "resources/WholeFile.h"

namespace {

// Plays each shipped level from the start with its solution script and
// reads in the trace that it was completed and the next level came up.
class LevelSolutions : public ReplayRun, public ::testing::WithParamInterface<int> {
protected:
    std::string Solution(int level) const
    {
        return ReadWholeFile(std::string(VELKAMIRE_SOURCE_DIR) + "/assets/levels/solutions/lev" +
                             std::to_string(level) + ".txt");
    }
    // The index of the first trace line holding every part, from `from` on.
    static size_t Find(const std::vector<std::string>& lines, std::initializer_list<std::string> parts, size_t from = 0)
    {
        for (size_t i = from; i < lines.size(); ++i) {
            bool all = true;
            for (const std::string& part : parts) all = all && Has(lines[i], part);
            if (all) return i;
        }
        return lines.size();
    }
};

TEST_P(LevelSolutions, SolvesTheLevelAndTheNextOneLoads)
{
    int level = GetParam();
    std::string here = "\"level\":\"lev" + std::to_string(level) + ".dat\"";
    std::string next = "\"level\":\"lev" + std::to_string(level + 1) + ".dat\"";
    std::ofstream(dir / "data/Data/Levels/save.dat") << "lev" << level << ".dat";

    ASSERT_EQ(Run(Solution(level), "--frames 2000 --trace-every 1"), 0);
    std::vector<std::string> lines = Trace();
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(Has(lines[0], here)) << lines[0].substr(0, 200);
    EXPECT_TRUE(Has(lines[0], "\"type\":5,"));  // the level has its player

    size_t completed = Find(lines, {next, "\"levelComplete\":true"});
    ASSERT_LT(completed, lines.size()) << "the level was never completed";
    size_t loaded = Find(lines, {next, "\"levelComplete\":false"}, completed);
    ASSERT_LT(loaded, lines.size()) << "the next level never came up";
    // The world stood still for about a second in between.
    EXPECT_GE(loaded - completed, 100u);

    if (level < 3) {
        EXPECT_TRUE(Has(lines[loaded], "\"type\":5,")) << "the next level has no player";
    } else {
        // The next batch of levels is not shipped yet.
        EXPECT_LT(Find(lines, {"Could not open level for loading!"}, completed), lines.size());
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, LevelSolutions, ::testing::Values(1, 2, 3));

}  // namespace
