#include "LevelTestWorld.h"
#include "resources/DataPaths.h"

namespace {

// The test world's folder plays the installed data; the player's files go
// to a directory of their own.
class InstalledLevels : public LevelTestWorld {
protected:
    InstalledLevels()
    {
        WriteLevel("lev1.dat", Record(LASER_TYPE, 1, 1));
        WriteLevel("lev2.dat", Record(LASER_TYPE, 2, 2));
        WriteLevel("save.dat", "lev2.dat");
        UseInstalledData(dir.Path().string(), user.File("velkamire"));
    }
    ~InstalledLevels() override { UseWorkingDirectory(); }

    std::string UserLevel(const std::string& name) const { return user.File("velkamire/Data/Levels/" + name); }

    TempDir user;
};

TEST_F(InstalledLevels, EditorLevelsGoToThePlayerAndShadowTheShippedOnes)
{
    level->LoadLevel("lev1.dat");
    EXPECT_EQ(man.count(), 1u);
    new Probe("added", 5, 5);
    level->SaveLevel("lev1.dat");
    level->SaveLevel("mine.dat");
    std::string saved = ReadWholeFile(UserLevel("lev1.dat"));
    EXPECT_EQ(saved.size(), 24u);
    EXPECT_EQ(ReadWholeFile(UserLevel("mine.dat")), saved);
    EXPECT_EQ(ReadWholeFile(LevelPath("lev1.dat")), Record(LASER_TYPE, 1, 1));
    EXPECT_FALSE(std::filesystem::exists(LevelPath("mine.dat")));

    level->LoadLevel("lev1.dat");  // the player's copy now
    EXPECT_EQ(man.count(), 2u);
    level->LoadLevel("lev2.dat");  // still the shipped one
    EXPECT_EQ(man.count(), 1u);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(InstalledLevels, ProgressIsReadFromTheInstalledSaveUntilThePlayerSaves)
{
    level->LoadGame();
    EXPECT_EQ(level->GetCurrentLevel(), "lev2.dat");
    level->CompleteLevel("lev3.dat");
    level->SaveGame();
    EXPECT_EQ(ReadWholeFile(UserLevel("save.dat")), "lev3.dat");
    EXPECT_EQ(ReadWholeFile(LevelPath("save.dat")), "lev2.dat");

    std::ofstream(UserLevel("save.dat"), std::ios::binary) << "lev1.dat";
    level->LoadGame();
    EXPECT_EQ(level->GetCurrentLevel(), "lev1.dat");
    EXPECT_EQ(man.count(), 1u);
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
