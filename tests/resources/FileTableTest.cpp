#include <gtest/gtest.h>
#include <sstream>
#include "resources/DataName.h"
#include "resources/FileTable.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

namespace {

using Boxes = std::vector<std::string>;

TEST(FileTable, LinesBecomeIdsAndAFinalLineFeedAddsAnEmptyEntry)
{
    ScopedHeadlessPlatform platform;
    TempDir dir;
    FileTable table;
    table.Load(dir.Write("a.txt", "one\ntwo").c_str());
    ASSERT_EQ(table.Count(), 2u);
    EXPECT_EQ(table.Get(0), "one");
    EXPECT_EQ(table.Get(1), "two");

    table.Load(dir.Write("b.txt", "one\ntwo\n").c_str());
    ASSERT_EQ(table.Count(), 3u);
    EXPECT_EQ(table.Get(2), "");
    EXPECT_TRUE(platform.Boxes().empty());
}

TEST(FileTable, EmptyLinesKeepTheirIdsAndSpacesAreKept)
{
    ScopedHeadlessPlatform platform;
    TempDir dir;
    FileTable table;
    table.Load(dir.Write("a.txt", " lead\n\ntrail \r\nlast").c_str());
    ASSERT_EQ(table.Count(), 4u);
    EXPECT_EQ(table.Get(0), " lead");
    EXPECT_EQ(table.Get(1), "");
    EXPECT_EQ(table.Get(2), "trail ");  // carriage return dropped from disk lists
    EXPECT_EQ(table.Get(3), "last");
}

TEST(FileTable, EmbeddedListsKeepCarriageReturns)
{
    ScopedHeadlessPlatform platform;
    FileTable table;
    table.Load("*list.txt");
    ASSERT_EQ(table.Count(), 3u);
    EXPECT_EQ(table.Get(0), "first\r");
    EXPECT_EQ(table.Get(1), "second\r");
    EXPECT_TRUE(platform.Boxes().empty());
}

TEST(FileTable, GetOutOfRangeWarnsAndGivesEmptyName)
{
    ScopedHeadlessPlatform platform;
    TempDir dir;
    FileTable table;
    table.Load(dir.Write("a.txt", "x").c_str());
    EXPECT_EQ(table.Get(1), "");
    EXPECT_EQ(table.Get(0xFFFFFFFFu), "");
    EXPECT_EQ(platform.Boxes(), (Boxes{"Error: Invalid file table reference!",
                                       "Error: Invalid file table reference!"}));
}

TEST(FileTable, MissingListsLeaveTheTableEmpty)
{
    ScopedHeadlessPlatform platform;
    TempDir dir;
    FileTable table;
    table.Load(dir.Write("a.txt", "x\ny").c_str());
    table.Load(dir.File("missing.txt").c_str());
    EXPECT_EQ(table.Count(), 0u);
    table.Load("*nosuch.txt");
    EXPECT_EQ(table.Count(), 0u);
    EXPECT_EQ(table.Get(0), "");
    EXPECT_EQ(platform.Boxes(),
              (Boxes{"Error: Could not load file table!", "ERROR: Could not find resource",
                     "Error: Could not load file table!", "Error: Invalid file table reference!"}));
}

// Reading to the end of the file always leaves one entry: a list of zero
// bytes is one empty entry, not an empty table. A folder is no list at all.
TEST(FileTable, AnEmptyListIsOneEmptyEntryAndAFolderIsNoList)
{
    ScopedHeadlessPlatform platform;
    TempDir dir;
    FileTable table;
    table.Load(dir.Write("empty.txt", "").c_str());
    ASSERT_EQ(table.Count(), 1u);
    EXPECT_EQ(table.Get(0), "");
    EXPECT_TRUE(platform.Boxes().empty());

    table.Load(dir.Path().string().c_str());
    EXPECT_EQ(table.Count(), 0u);
    EXPECT_EQ(platform.Boxes(), (Boxes{"Error: Could not load file table!"}));
}

TEST(DataName, StarNamesSplitAtTheFirstDot)
{
    ScopedHeadlessPlatform platform;
    std::stringstream stream;
    EXPECT_TRUE(LoadResourceStream(stream, "two.dots.txt"));
    EXPECT_EQ(stream.str(), "first\r\nsecond\r\n");
    EXPECT_EQ(stream.tellg(), 0);
    // "two" with type "dots.txt" exists; "two.dots" with type "txt" does not.
    EXPECT_FALSE(LoadResourceStream(stream, "list"));
    EXPECT_FALSE(LoadResourceStream(stream, "two"));
    EXPECT_EQ(platform.Boxes(), (Boxes{"ERROR: Could not find resource", "ERROR: Could not find resource"}));
}

TEST(DataName, EmptyResourceFailsWithoutAMessage)
{
    ScopedHeadlessPlatform platform;
    std::stringstream stream;
    EXPECT_FALSE(LoadResourceStream(stream, "empty.bin"));
    EXPECT_TRUE(platform.Boxes().empty());
}

}  // namespace
