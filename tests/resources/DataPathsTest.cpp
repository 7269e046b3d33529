#include <gtest/gtest.h>
#include <filesystem>
#include "resources/DataPaths.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Boxes = std::vector<std::string>;

TEST(DataPaths, TheUserDirectoryFollowsTheXdgRules)
{
    EXPECT_EQ(UserDataDirectory("/xdg/data", "/home/p"), "/xdg/data/velkamire");
    EXPECT_EQ(UserDataDirectory("/xdg/data/", "/home/p"), "/xdg/data/velkamire");
    // Unset, empty or relative: the default under the home directory.
    EXPECT_EQ(UserDataDirectory(nullptr, "/home/p"), "/home/p/.local/share/velkamire");
    EXPECT_EQ(UserDataDirectory("", "/home/p"), "/home/p/.local/share/velkamire");
    EXPECT_EQ(UserDataDirectory("relative/data", "/home/p"), "/home/p/.local/share/velkamire");
}

TEST(DataPaths, InstalledDataIsFoundOnlyBesideAnInstalledExecutable)
{
    TempDir dir;
    dir.Write("usr/bin/velkamire", "");
    std::string exe = dir.File("usr/bin/velkamire");
    // A build tree: the data directory sits elsewhere.
    EXPECT_EQ(InstalledDataDirectory(exe), "");
    fs::create_directories(dir.Path() / "usr/share/velkamire/Data");
    EXPECT_EQ(InstalledDataDirectory(exe), "");  // no texture list: not data
    dir.Write("usr/share/velkamire/textures.txt", "");
    EXPECT_EQ(InstalledDataDirectory(exe), dir.File("usr/share/velkamire"));
}

// The player's directory and the installed data, each in a fresh folder;
// the working directory and the module are put back afterwards.
class InstalledData : public ::testing::Test {
protected:
    InstalledData() : previous(fs::current_path())
    {
        installed.Write("textures.txt", "");
        installed.Write("Data/Levels/lev1.dat", "shipped");
    }
    ~InstalledData() override
    {
        UseWorkingDirectory();
        fs::current_path(previous);
    }
    std::string UserFile(const std::string& name) const { return home.File("share/velkamire/" + name); }

    ScopedHeadlessPlatform platform;
    TempDir installed;
    TempDir home;
    fs::path previous;
};

TEST_F(InstalledData, ThePlayersFilesShadowTheInstalledOnesAndAreWrittenApart)
{
    ASSERT_TRUE(UseInstalledData(installed.Path().string(), UserFile("")));
    EXPECT_EQ(fs::current_path(), installed.Path());
    EXPECT_TRUE(fs::is_directory(UserFile("Data/Levels")));
    // A data home the game had to create is the user's alone.
    EXPECT_EQ(fs::status(home.File("share")).permissions() & fs::perms::all, fs::perms::owner_all);

    EXPECT_EQ(PathToRead("Data/Levels/lev1.dat"), "Data/Levels/lev1.dat");
    EXPECT_EQ(PathToWrite("Data/Levels/lev1.dat"), UserFile("Data/Levels/lev1.dat"));
    home.Write("share/velkamire/Data/Levels/lev1.dat", "mine");
    EXPECT_EQ(PathToRead("Data/Levels/lev1.dat"), UserFile("Data/Levels/lev1.dat"));
    EXPECT_EQ(PathToRead("Data/Levels/save.dat"), "Data/Levels/save.dat");

    // A directory removed while the game runs is made again for the next write.
    fs::remove_all(UserFile(""));
    EXPECT_EQ(PathToWrite("Data/Levels/save.dat"), UserFile("Data/Levels/save.dat"));
    EXPECT_TRUE(fs::is_directory(UserFile("Data/Levels")));
    EXPECT_TRUE(platform.Boxes().empty());
}

TEST_F(InstalledData, AUserDirectoryThatCannotBeMadeIsReportedAndNeverReplacedByTheInstalledOne)
{
    home.Write("blocked", "a file where a folder should be");
    EXPECT_FALSE(UseInstalledData(installed.Path().string(), home.File("blocked/velkamire")));
    EXPECT_EQ(platform.Boxes(), (Boxes{"Error: Could not create " + home.File("blocked/velkamire") +
                                       " for saved games and levels!"}));
    EXPECT_EQ(PathToWrite("Data/Levels/save.dat"), home.File("blocked/velkamire/Data/Levels/save.dat"));
    EXPECT_EQ(PathToRead("Data/Levels/lev1.dat"), "Data/Levels/lev1.dat");

    EXPECT_FALSE(UseInstalledData(installed.File("missing"), UserFile("")));
    EXPECT_EQ(platform.Boxes().size(), 2u);
    EXPECT_EQ(PathToWrite("Data/Levels/save.dat"), UserFile("Data/Levels/save.dat"));
}

TEST_F(InstalledData, DataInstalledInTheUserDirectoryItselfKeepsThePlayersFilesInAFolderOfTheirOwn)
{
    // As after an install with the prefix ~/.local.
    ASSERT_TRUE(UseInstalledData(installed.Path().string(), installed.Path().string() + "/"));
    EXPECT_EQ(PathToWrite("Data/Levels/lev1.dat"), installed.File("player/Data/Levels/lev1.dat"));
    EXPECT_EQ(PathToRead("Data/Levels/lev1.dat"), "Data/Levels/lev1.dat");
}

TEST_F(InstalledData, RunFromABuildEveryPathStaysInTheWorkingDirectory)
{
    ASSERT_TRUE(UseInstalledData(installed.Path().string(), UserFile("")));
    UseWorkingDirectory();
    home.Write("share/velkamire/Data/Levels/lev1.dat", "mine");
    EXPECT_EQ(PathToRead("Data/Levels/lev1.dat"), "Data/Levels/lev1.dat");
    EXPECT_EQ(PathToWrite("Data/Levels/lev1.dat"), "Data/Levels/lev1.dat");
}

} // namespace
