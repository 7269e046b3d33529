// Level names that try to leave Data/Levels, fed to the whole game as a
// player or a shared level would: typed at the editor's prompts, as an
// elevator's target and in save.dat. Each is refused with the message of a
// file that cannot be opened, and nothing in the run's folder changes.
#include <map>
#include "ReplayRun.h"
#include "resources/WholeFile.h"
#include "tools/levelc/LevelBytes.h"

namespace {

const std::string HOSTILE = "../../../victim.txt";
const std::string LOAD_REFUSED = "Could not open level for loading!";
const std::string SAVE_REFUSED = "Could not open save file!";

class HostileNames : public ReplayRun {
protected:
    void SetUp() override
    {
        ReplayRun::SetUp();
        // What the hostile name reaches from Data/Levels: a level file, so
        // that loading it would show its wall in the trace.
        victim = LevelBytes().Record(1, 777, 555).Bytes();
        std::ofstream(dir / "victim.txt", std::ios::binary) << victim;
    }

    void Level(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir / "data/Data/Levels" / name, std::ios::binary) << bytes;
    }

    // Every file of the run's folder but the tool's own output.
    std::map<std::string, std::string> Files() const
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir)) {
            std::string name = fs::relative(entry.path(), dir).string();
            if (entry.is_regular_file() && name != "trace.jsonl" && name != "stderr.txt" && name != "script.txt")
                files[name] = ReadWholeFile(entry.path().string());
        }
        return files;
    }

    // The texts of the message boxes shown, in order, from the trace.
    std::vector<std::string> BoxTexts(const std::vector<std::string>& lines) const
    {
        std::vector<std::string> texts;
        for (const std::string& line : lines) {
            size_t at = line.find("\"boxes\":[");
            size_t end = line.find("],\"sounds\":", at);
            while ((at = line.find("\"text\":\"", at)) < end) {
                at += 8;
                texts.push_back(line.substr(at, line.find('"', at) - at));
            }
        }
        return texts;
    }

    // Runs the script and checks that the run showed exactly these boxes,
    // never loaded the victim and left every file as it was, but for the
    // ones named in `written`.
    void RunAndCheck(const std::string& script, const std::vector<std::string>& boxes,
                     const std::vector<std::string>& written = {})
    {
        std::map<std::string, std::string> before = Files();
        ASSERT_EQ(Run(script, "--frames 400"), 0) << ReadWholeFile((dir / "stderr.txt").string());
        std::vector<std::string> lines = Trace();
        ASSERT_EQ(lines.size(), 400u);
        EXPECT_EQ(BoxTexts(lines), boxes);
        for (const std::string& line : lines) ASSERT_FALSE(Has(line, "{\"type\":1,\"x\":777,\"y\":555,")) << line.substr(0, 300);

        std::map<std::string, std::string> after = Files();
        for (const std::string& name : written) {
            EXPECT_EQ(after.count(name), 1u) << name << " was not written";
            after.erase(name);
            before.erase(name);
        }
        EXPECT_EQ(after, before);
        EXPECT_EQ(ReadWholeFile((dir / "victim.txt").string()), victim);
    }

    static std::string Clear(int frame) { return std::to_string(frame) + " type " + std::string(36, '\b') + "\n"; }

    std::string victim;
};

// A shared level whose elevator leads outside: the player stands on it, the
// level completes, and the next load is refused. Taking the offered default
// at the editor's load and save prompts is refused again.
TEST_F(HostileNames, AnElevatorTargetAndTheDefaultsItLeavesAtThePrompts)
{
    Level("trap.dat", LevelBytes().Record(5, 320, 252).Record(14, 320, 252).Name(HOSTILE).Bytes());
    Level("save.dat", "trap.dat");
    std::string script =
        "150 key 69\n151 keyup 69\n"   // E: the editor and its load prompt, offering the target
        "160 key 13\n161 keyup 13\n"   // Enter
        "170 key 83\n171 keyup 83\n"   // S: the save prompt, offering it again
        "180 key 13\n181 keyup 13\n";
    RunAndCheck(script, {LOAD_REFUSED, LOAD_REFUSED, SAVE_REFUSED});
    EXPECT_TRUE(Has(Trace()[140], "\"level\":\"" + HOSTILE + "\""));
}

// Names typed at both prompts: up and out, absolute, blank, with
// backslashes; then a plain name, which still saves into Data/Levels.
TEST_F(HostileNames, TypedAtTheLoadAndSavePrompts)
{
    std::string script = "10 key 69\n11 keyup 69\n" + Clear(20) + "21 type " + HOSTILE + "\n22 key 13\n" +
                         "30 key 83\n31 keyup 83\n" + Clear(40) + "41 type ../../../x.dat\n42 key 13\n" +
                         "50 key 83\n51 keyup 83\n" + Clear(60) + "61 type /x.dat\n62 key 13\n" +
                         "70 key 83\n71 keyup 83\n" + Clear(80) + "81 char 32\n81 char 9\n82 key 13\n" +
                         "90 key 69\n91 keyup 69\n" + Clear(100) + "101 type ..\\..\\..\\victim.txt\n102 key 13\n" +
                         "110 key 83\n111 keyup 83\n" + Clear(120) + "121 type mine.dat\n122 key 13\n";
    RunAndCheck(script, {LOAD_REFUSED, SAVE_REFUSED, SAVE_REFUSED, SAVE_REFUSED, LOAD_REFUSED},
                {"data/Data/Levels/mine.dat"});
    EXPECT_TRUE(Has(Trace().back(), "\"level\":\"mine.dat\""));
}

// A save file naming a level outside: the game starts with nothing loaded,
// and N, the editor's load prompt and its save prompt refuse the name too.
TEST_F(HostileNames, InTheSaveFile)
{
    Level("save.dat", HOSTILE);
    std::string script = "10 key 78\n11 keyup 78\n"
                         "20 key 69\n21 keyup 69\n30 key 13\n"
                         "40 key 83\n41 keyup 83\n50 key 13\n";
    RunAndCheck(script, {LOAD_REFUSED, LOAD_REFUSED, LOAD_REFUSED, SAVE_REFUSED});
    EXPECT_TRUE(Has(Trace()[0], "\"level\":\"" + HOSTILE + "\""));
}

}  // namespace
