#include <sys/wait.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include "LevelTestWorld.h"
#include "levels/AtomicFile.h"
#include "levels/LevelRecords.h"

namespace {

using LevelFiles = LevelTestWorld;
using BoxList = std::vector<std::string>;

TEST_F(LevelFiles, SavingWhatWasLoadedGivesTheSameBytesAgain)
{
    std::string bytes = Record(LASER_TYPE, 32, 92) + Record(LASER_TYPE, -0.5f, 1e-7f) + Record(LASER_TYPE, 800, 572);
    WriteLevel("a.dat", bytes);
    level->LoadLevel("a.dat");
    EXPECT_EQ(man.count(), 3u);
    level->SaveLevel("b.dat");
    EXPECT_EQ(ReadWholeFile(LevelPath("b.dat")), bytes);
    level->LoadLevel("b.dat");
    level->SaveLevel("c.dat");
    EXPECT_EQ(ReadWholeFile(LevelPath("c.dat")), bytes);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(LevelFiles, TypesWithoutMakersAreSkippedAsTwelveBytes)
{
    WriteLevel("a.dat", Record(99, 1, 2) + Record(LASER_TYPE, 3, 4) + Record(FREEZE_BEAM_TYPE, 5, 6));
    level->LoadLevel("a.dat");
    EXPECT_EQ(ProbeMaker::made, 1);
    EXPECT_EQ(man.count(), 1u);
}

TEST_F(LevelFiles, ARecordCutShortIsDroppedNotInvented)
{
    std::string whole = Record(LASER_TYPE, 3, 4);
    for (size_t cut : {1u, 4u, 8u, 11u}) {
        WriteLevel("a.dat", whole + whole.substr(0, cut));
        level->LoadLevel("a.dat");
        EXPECT_EQ(man.count(), 1u) << "cut after " << cut << " bytes";
    }
    // A switch whose id and state are cut off is dropped too.
    std::string sw = Record(HIT_SWITCH_TYPE, 0, 0) + std::string("\x01\0\0\0\x01", 5);
    auto records = SplitLevelRecords(whole + sw);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].type, uint32_t(LASER_TYPE));
}

TEST_F(LevelFiles, PayloadsAreSplitByType)
{
    std::string bytes = Record(HIT_SWITCH_TYPE, 0, 0) + std::string(8, '\x02') + Record(ZOMBIE_TYPE, 0, 0) +
                        std::string(4, '\x01') + Record(ELEVATOR_TYPE, 0, 0) + std::string("lev2.dat\0", 9) +
                        Record(TEXT_TYPE, 0, 0) + "runs to the end";
    auto records = SplitLevelRecords(bytes);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].payload.size(), 8u);
    EXPECT_EQ(records[1].payload.size(), 4u);
    EXPECT_EQ(records[2].payload, std::string("lev2.dat\0", 9));
    EXPECT_EQ(records[3].payload, "runs to the end");
}

TEST_F(LevelFiles, MissingAndEmptyLevels)
{
    man.deleteAll();
    new Probe("old", 1, 1);
    level->LoadLevel("missing.dat");
    EXPECT_EQ(man.count(), 0u);  // the old world is gone even so
    EXPECT_EQ(Boxes(), (BoxList{"Error: Could not open level for loading!"}));

    WriteLevel("empty.dat", "");
    level->LoadLevel("empty.dat");
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_FALSE(level->IsLevelComplete());
}

// An empty name or "." at the load prompt names the level folder itself:
// that is a level that cannot be read, not an empty one.
TEST_F(LevelFiles, AFolderIsNoLevel)
{
    std::filesystem::create_directory(LevelPath("sub"));
    for (const char* name : {"", ".", "sub"}) {
        new Probe("old", 1, 1);
        level->LoadLevel(name);
        EXPECT_EQ(man.count(), 0u) << "'" << name << "'";
    }
    EXPECT_EQ(Boxes(), (BoxList(3, "Error: Could not open level for loading!")));
}

// The temporaries in a folder, for any target.
size_t TemporariesIn(const std::filesystem::path& folder, const std::string& target)
{
    size_t n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (IsTemporaryOf(entry.path().filename().string(), target)) ++n;
    return n;
}

TEST_F(LevelFiles, AFailedSaveLeavesTheOldLevelWhole)
{
    // A name so long that no temporary can be made beside it.
    std::string longName(240, 'x');
    WriteLevel(longName, Record(LASER_TYPE, 1, 2));
    new Probe("new", 5, 5);
    level->SaveLevel(longName);
    EXPECT_EQ(ReadWholeFile(LevelPath(longName)), Record(LASER_TYPE, 1, 2));
    EXPECT_EQ(Boxes(), (BoxList{"Error: Could not open save file!"}));

    level->SaveLevel("no/such/folder.dat");
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(TemporariesIn(dir.Path() / "Data/Levels", longName), 0u);
}

// Saving lev1.dat used to write through lev1.dat.tmp, destroying a level a
// designer had given that name.
TEST_F(LevelFiles, SavingNeverTouchesAnotherFileOfTheFolder)
{
    WriteLevel("lev1.dat.tmp", "the designer's level");
    WriteLevel(".lev1.dat.tmp", "another one");
    new Probe("new", 5, 5, ProbeKind{LASER_TYPE});
    level->SaveLevel("lev1.dat");
    EXPECT_EQ(ReadWholeFile(LevelPath("lev1.dat.tmp")), "the designer's level");
    EXPECT_EQ(ReadWholeFile(LevelPath(".lev1.dat.tmp")), "another one");
    EXPECT_EQ(ReadWholeFile(LevelPath("lev1.dat")), Record(LASER_TYPE, 5, 5));
    EXPECT_EQ(TemporariesIn(dir.Path() / "Data/Levels", "lev1.dat"), 0u);
    EXPECT_TRUE(Boxes().empty());
}

// A read-only level is refused as opening it for writing would refuse it;
// a writable one keeps its permissions when it is replaced.
TEST_F(LevelFiles, AReadOnlyLevelIsNotReplaced)
{
    namespace fs = std::filesystem;
    WriteLevel("ro.dat", Record(LASER_TYPE, 1, 2));
    fs::permissions(LevelPath("ro.dat"), fs::perms::owner_read | fs::perms::group_read);
    new Probe("new", 5, 5, ProbeKind{LASER_TYPE});
    level->SaveLevel("ro.dat");
    EXPECT_EQ(ReadWholeFile(LevelPath("ro.dat")), Record(LASER_TYPE, 1, 2));
    EXPECT_EQ(Boxes(), (BoxList{"Error: Could not open save file!"}));

    WriteLevel("shared.dat", "");
    fs::perms shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                       fs::perms::group_write;
    fs::permissions(LevelPath("shared.dat"), shared);
    level->SaveLevel("shared.dat");
    EXPECT_EQ(ReadWholeFile(LevelPath("shared.dat")), Record(LASER_TYPE, 5, 5));
    EXPECT_EQ(fs::status(LevelPath("shared.dat")).permissions(), shared);
}

TEST_F(LevelFiles, AtomicWritesReplaceWholeOrNotAtAll)
{
    std::string path = LevelPath("f.dat");
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    ASSERT_TRUE(WriteFileAtomically(path, "second"));
    EXPECT_EQ(ReadWholeFile(path), "second");
    // Renaming over a folder fails; the folder stays and no temporary is left.
    std::filesystem::create_directory(LevelPath("dir.dat"));
    EXPECT_FALSE(WriteFileAtomically(LevelPath("dir.dat"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(LevelPath("dir.dat")));
    EXPECT_EQ(TemporariesIn(dir.Path() / "Data/Levels", "f.dat"), 0u);
    EXPECT_EQ(TemporariesIn(dir.Path() / "Data/Levels", "dir.dat"), 0u);
}

// A writer killed midway leaves its temporary; the next write of the same
// file removes it, but not the temporary of a writer still running, nor
// anything that only looks like one.
TEST_F(LevelFiles, TheNextSaveRemovesWhatAKilledSaveLeft)
{
    pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    std::string dead = ".f.dat.tmp-" + std::to_string(gone) + "-abcDEF";
    std::string running = ".f.dat.tmp-1-abcDEF";  // init never ends
    std::vector<std::string> kept{running, ".f.dat.tmp-12x-abcDEF", ".f.dat.tmp-" + std::to_string(gone) + "-abc",
                                  ".g.dat.tmp-" + std::to_string(gone) + "-abcDEF", "f.dat.tmp"};
    EXPECT_TRUE(IsTemporaryOf(dead, "f.dat"));
    EXPECT_FALSE(IsTemporaryOf(kept[1], "f.dat"));
    for (const std::string& name : kept) WriteLevel(name, "x");
    WriteLevel(dead, "x");
    ASSERT_TRUE(WriteFileAtomically(LevelPath("f.dat"), "new"));
    EXPECT_FALSE(std::filesystem::exists(LevelPath(dead)));
    for (const std::string& name : kept) EXPECT_TRUE(std::filesystem::exists(LevelPath(name))) << name;
}

TEST_F(LevelFiles, SaveFileRules)
{
    // No save file: the initial name "save.dat" is tried as a level.
    level->LoadGame();
    EXPECT_EQ(level->GetCurrentLevel(), "save.dat");
    EXPECT_EQ(Boxes(), (BoxList{"Error: Could not open level for loading!"}));

    // An empty first line starts the first level.
    WriteLevel("save.dat", "\nlev9.dat\n");
    WriteLevel("lev1.dat", Record(LASER_TYPE, 1, 1));
    level->LoadGame();
    EXPECT_EQ(level->GetCurrentLevel(), "lev1.dat");
    EXPECT_EQ(man.count(), 1u);

    // The first line is the level; a carriage return is not part of it.
    WriteLevel("save.dat", "lev1.dat\r\nrest");
    level->LoadGame();
    EXPECT_EQ(level->GetCurrentLevel(), "lev1.dat");

    // Saving writes the bare name with no line end.
    level->SaveGame();
    EXPECT_EQ(ReadWholeFile(LevelPath("save.dat")), "lev1.dat");
}

TEST_F(LevelFiles, RestartLoadsTheCurrentLevelAgainOrTheFirst)
{
    WriteLevel("lev1.dat", Record(LASER_TYPE, 1, 1) + Record(LASER_TYPE, 2, 2));
    level->LoadGame();  // no save file: tries "save.dat"
    WriteLevel("save.dat", "");
    level->LoadGame();
    EXPECT_EQ(man.count(), 2u);
    man.deleteAll();
    level->RestartLevel();
    EXPECT_EQ(man.count(), 2u);
}

// Names that could reach outside Data/Levels fail as a missing or
// unwritable file does, and nothing outside the folder is read or written.
TEST_F(LevelFiles, NamesOutsideTheLevelFolderAreRefused)
{
    std::filesystem::create_directories("outside");
    std::ofstream("outside/victim.dat", std::ios::binary) << Record(LASER_TYPE, 1, 1);
    std::string absolute = (dir.Path() / "outside/victim.dat").string();
    new Probe("placed", 5, 5);
    for (const std::string& name : {std::string("../../outside/victim.dat"), absolute, std::string("   ")}) {
        level->SaveLevel(name);
        level->LoadLevel(name);
        EXPECT_EQ(man.count(), 0u) << name;
        new Probe("placed", 5, 5);
    }
    EXPECT_EQ(Boxes(), (BoxList{"Error: Could not open save file!", "Error: Could not open level for loading!",
                                "Error: Could not open save file!", "Error: Could not open level for loading!",
                                "Error: Could not open save file!", "Error: Could not open level for loading!"}));
    EXPECT_EQ(ReadWholeFile("outside/victim.dat"), Record(LASER_TYPE, 1, 1));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("outside"), {}), 1);

    // A subfolder of the level folder is the level designer's own.
    std::filesystem::create_directories(LevelPath("pack"));
    level->SaveLevel("pack/one.dat");
    level->LoadLevel("pack/one.dat");
    EXPECT_EQ(man.count(), 1u);
    EXPECT_EQ(Boxes().size(), 6u);
}

TEST_F(LevelFiles, ARefusedNameInTheSaveFileLoadsNothing)
{
    std::filesystem::create_directories("outside");
    std::ofstream("outside/victim.dat", std::ios::binary) << Record(LASER_TYPE, 1, 1);
    WriteLevel("save.dat", "../../outside/victim.dat");
    level->LoadGame();
    EXPECT_EQ(man.count(), 0u);
    EXPECT_EQ(Boxes(), (BoxList{"Error: Could not open level for loading!"}));
    // The name stays refused wherever it goes next: a restart, a save.
    level->RestartLevel();
    level->SaveLevel(level->GetCurrentLevel());
    EXPECT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes().back(), "Error: Could not open save file!");
    EXPECT_EQ(ReadWholeFile("outside/victim.dat"), Record(LASER_TYPE, 1, 1));
}

}  // namespace
