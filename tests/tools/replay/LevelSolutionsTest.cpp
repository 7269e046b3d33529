#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include "ReplayRun.h"
#include "ReplayScript.h"
#include "resources/WholeFile.h"

namespace {

const std::string LEVEL_SOURCES = std::string(VELKAMIRE_SOURCE_DIR) + "/assets/levels";

// The numbers N of the shipped levels levN.lvl, ascending.
std::vector<int> ShippedLevels()
{
    std::vector<int> numbers;
    const std::regex name("lev([0-9]+)\\.lvl");
    for (const auto& entry : std::filesystem::directory_iterator(LEVEL_SOURCES)) {
        std::smatch m;
        std::string file = entry.path().filename().string();
        if (std::regex_match(file, m, name)) numbers.push_back(std::stoi(m[1]));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// Plays each shipped level from the start with its solution script and
// reads in the trace that it was completed and the next level came up;
// the last level is won instead, and the credits show.
class LevelSolutions : public ReplayRun, public ::testing::WithParamInterface<int> {
protected:
    static std::string LevelName(int n) { return "lev" + std::to_string(n) + ".dat"; }
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

TEST_P(LevelSolutions, SolvesTheLevel)
{
    int level = GetParam();
    std::string solution = ReadWholeFile(LEVEL_SOURCES + "/solutions/lev" + std::to_string(level) + ".txt");
    ASSERT_FALSE(solution.empty()) << "every shipped level needs a solution in assets/levels/solutions/";
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(ParseReplayScript(solution, script, error)) << error;
    // Time for the level to end and the next to come up after the last key.
    std::string frames = std::to_string(script.lastFrame + 400);
    std::ofstream(dir / "data/Data/Levels/save.dat") << LevelName(level);

    ASSERT_EQ(Run(solution, "--frames " + frames + " --trace-every 1"), 0);
    std::vector<std::string> lines = Trace();
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(Has(lines[0], "\"level\":\"" + LevelName(level) + "\"")) << lines[0].substr(0, 200);
    EXPECT_TRUE(Has(lines[0], "\"type\":5,")) << "the level has its player";
    EXPECT_TRUE(Has(lines[0], "\"boxes\":[]")) << "the level loads without an error";

    bool last = level == ShippedLevels().back();
    size_t credits = Find(lines, {"\"state\":2,"});
    if (last) {
        EXPECT_LT(credits, lines.size()) << "the last level is won by reaching the credits";
        return;
    }
    EXPECT_EQ(credits, lines.size()) << "only the last level shows the credits";
    std::string next = "\"level\":\"" + LevelName(level + 1) + "\"";
    size_t completed = Find(lines, {next, "\"levelComplete\":true"});
    ASSERT_LT(completed, lines.size()) << "the level was never completed";
    size_t loaded = Find(lines, {next, "\"levelComplete\":false"}, completed);
    ASSERT_LT(loaded, lines.size()) << "the next level never came up";
    // The world stood still for about a second in between.
    EXPECT_GE(loaded - completed, 100u);
    EXPECT_TRUE(Has(lines[loaded], "\"type\":5,")) << "the next level has no player";
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, LevelSolutions, ::testing::ValuesIn(ShippedLevels()));

}  // namespace
