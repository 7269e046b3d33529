#include <gtest/gtest.h>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include "levels/LevelRecords.h"
#include "objects/BinaryIo.h"
#include "objects/ObjectType.h"
#include "resources/WholeFile.h"
#include "text/Font.h"

namespace {

namespace fs = std::filesystem;

const fs::path LEVELS = fs::path(VELKAMIRE_DATA_DIR) / "Data/Levels";
const fs::path SPEECH = fs::path(VELKAMIRE_SOURCE_DIR) / "assets/speech";
// The sign's panel: text from x = 155 to the panel's right edge at 650,
// lines of 16 units from y = 95 down to "Press Space" at the bottom.
constexpr float PANEL_TEXT_WIDTH = 650.0f - 155.0f;
constexpr size_t PANEL_LINES = 5;

// The shipped levels as compiled into the data directory, by file name.
std::map<std::string, std::vector<LevelRecord>> ShippedLevels()
{
    std::map<std::string, std::vector<LevelRecord>> levels;
    for (const auto& entry : fs::directory_iterator(LEVELS)) {
        std::string name = entry.path().filename().string();
        if (name.rfind("lev", 0) == 0 && entry.path().extension() == ".dat")
            levels[name] = SplitLevelRecords(ReadWholeFile(entry.path().string()));
    }
    return levels;
}

std::string NameIn(const LevelRecord& r)
{
    std::istringstream in(r.payload);
    return ReadName(in);
}

// Every sign names a shipped speech file, every speech file is read by some
// sign, and every lift leads to a shipped level: nothing in the campaign
// points at nothing.
TEST(Campaign, SignsAndLiftsNameWhatIsShippedAndEverySpeechIsUsed)
{
    auto levels = ShippedLevels();
    ASSERT_FALSE(levels.empty());
    std::set<std::string> used;
    for (const auto& [level, records] : levels) {
        int players = 0;
        for (const LevelRecord& r : records) {
            players += r.type == PLAYER_TYPE;
            if (r.type == TEXT_TYPE) {
                std::string speech = NameIn(r);
                EXPECT_TRUE(fs::exists(SPEECH / speech)) << level << " names a missing speech file " << speech;
                used.insert(speech);
            }
            if (r.type == ELEVATOR_TYPE)
                EXPECT_TRUE(levels.count(NameIn(r))) << level << " leads to " << NameIn(r) << ", which is not shipped";
        }
        EXPECT_EQ(players, 1) << level;
    }
    if (!fs::exists(SPEECH)) return;
    for (const auto& entry : fs::directory_iterator(SPEECH))
        EXPECT_TRUE(used.count(entry.path().filename().string()))
            << entry.path().filename() << " is shipped but no sign reads it";
}

// Each passage fits the sign's panel in the game's own font.
TEST(Campaign, EverySpeechFitsThePanel)
{
    if (!fs::exists(SPEECH)) return;
    stext::Font font(2, 16.0f);
    ASSERT_TRUE(font.Load((fs::path(VELKAMIRE_DATA_DIR) / "Data/font.dat").string()));
    for (const auto& entry : fs::directory_iterator(SPEECH)) {
        std::istringstream text(ReadWholeFile(entry.path().string()));
        std::vector<std::string> lines;
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        EXPECT_LE(lines.size(), PANEL_LINES) << entry.path().filename();
        for (const std::string& line : lines) {
            float width = 0;
            for (char c : line) width += font.GetCharWidth(static_cast<uint8_t>(c));
            EXPECT_LE(width, PANEL_TEXT_WIDTH) << entry.path().filename() << ": " << line;
        }
    }
}

}  // namespace
