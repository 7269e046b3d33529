#include <algorithm>
#include <filesystem>
#include <sstream>
#include "ReplayRun.h"
#include "ReplayScript.h"
#include "resources/WholeFile.h"

namespace {

const std::string PITFALLS = std::string(VELKAMIRE_SOURCE_DIR) + "/assets/levels/pitfalls";

// The pitfall scripts, levN-what.txt: a wrong move on a shipped level.
std::vector<std::string> Pitfalls()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PITFALLS))
        if (entry.path().extension() == ".txt") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// What a pitfall leaves behind, from its "# expect" lines: "flame X Y" and
// "can X Y" (a fire, a still sealed can, at that centre), "no player" (it
// burned), "no lift" (it burned) and "nitrogen N" (charges left).
struct Expectation {
    std::string text;
    std::string part;  // what the last frame's trace line holds, or lacks
    bool present;
};

bool ParseExpectation(const std::string& text, Expectation& e)
{
    std::istringstream in(text);
    std::string word, x, y;
    in >> word;
    e.text = text;
    e.present = true;
    if ((word == "flame" || word == "can") && in >> x >> y) {
        e.part = "\"type\":" + std::string(word == "flame" ? "8" : "12") + ",\"x\":" + x + ",\"y\":" + y + ",";
        return true;
    }
    if (word == "no" && in >> x && (x == "player" || x == "lift")) {
        e.part = x == "player" ? "\"type\":5," : "\"type\":14,";
        e.present = false;
        return true;
    }
    if (word == "nitrogen" && in >> x) {
        e.part = "\"nitrogen\":" + x + ",";
        return true;
    }
    return false;
}

class LevelPitfalls : public ReplayRun, public ::testing::WithParamInterface<std::string> {};

// Plays the wrong move from the level's start and some seconds past it:
// the level is never completed, and what the pitfall says is lost, is.
TEST_P(LevelPitfalls, TheWrongMoveFails)
{
    std::string name = GetParam();
    std::string text = ReadWholeFile(PITFALLS + "/" + name);
    std::vector<Expectation> expectations;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const std::string mark = "# expect ";
        if (line.rfind(mark, 0) != 0) continue;
        Expectation e;
        ASSERT_TRUE(ParseExpectation(line.substr(mark.size()), e)) << name << ": " << line;
        expectations.push_back(e);
    }
    ASSERT_FALSE(expectations.empty()) << name << " says nothing of what the wrong move costs";
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(ParseReplayScript(text, script, error)) << error;
    std::string level = name.substr(0, name.find('-')) + ".dat";
    std::ofstream(dir / "data/Data/Levels/save.dat") << level;

    ASSERT_EQ(Run(text, "--frames " + std::to_string(script.lastFrame + 400) + " --trace-every 1"), 0);
    std::vector<std::string> trace = Trace();
    ASSERT_FALSE(trace.empty());
    EXPECT_TRUE(Has(trace[0], "\"level\":\"" + level + "\"")) << trace[0].substr(0, 200);
    for (const std::string& line : trace)
        ASSERT_FALSE(Has(line, "\"levelComplete\":true")) << name << ": the level was completed";
    const std::string& last = trace.back();
    for (const Expectation& e : expectations)
        EXPECT_EQ(Has(last, e.part), e.present) << name << ": expected " << e.text;
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, LevelPitfalls, ::testing::ValuesIn(Pitfalls()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string n = info.param.substr(0, info.param.size() - 4);
                             std::replace(n.begin(), n.end(), '-', '_');
                             return n;
                         });

}  // namespace
