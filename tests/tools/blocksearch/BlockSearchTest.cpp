#include <gtest/gtest.h>
#include "BlockSearch.h"
#include "FileBytes.h"
#include "LevelBinary.h"
#include "SourceCompiler.h"
#include "tools/levelc/SourceText.h"

using namespace blocksearch;

namespace {

// Compiles a level source and loads it as a puzzle; `error` gets the
// loader's refusal, if any.
bool Load(const std::string& source, BlockPuzzle& puzzle, std::string& error)
{
    std::string bytes;
    std::vector<std::string> errors;
    if (!levelc::CompileSource(source, "test.lvl", bytes, errors)) {
        ADD_FAILURE() << errors.front();
        return false;
    }
    std::vector<levelc::LevelRecord> records;
    if (!levelc::ReadLevel(bytes, records, error)) return false;
    return LoadPuzzle(records, puzzle, error);
}

SearchResult SearchMap(const std::map<int, std::string>& rows)
{
    BlockPuzzle puzzle;
    std::string error;
    std::string source = "legend E = floor + elevator \"next.dat\"\n" + MapText(rows);
    if (!Load(source, puzzle, error)) {
        ADD_FAILURE() << error;
        return {};
    }
    return Search(puzzle);
}

TEST(BlockSearch, CountsPushesInHalfTiles)
{
    // The crate in the doorway must go two whole tiles up, out of the
    // player's way: four pushes. Three leave it across the way.
    SearchResult r = SearchMap({{8, "#####"}, {9, "#...#"}, {10, "#..E#"}, {11, "##B##"}, {12, "#.@.#"}, {13, "#####"}});
    ASSERT_TRUE(r.solvable);
    ASSERT_EQ(r.solution.size(), 4u);
    EXPECT_EQ(r.solution.front().to.y - r.solution.front().from.y, PUSH_UNITS);
    EXPECT_EQ(r.solution.back().to.y - r.solution.front().from.y, 4 * PUSH_UNITS);
}

TEST(BlockSearch, NeedsNoPushWhenThePlayerCanWalkRound)
{
    SearchResult r = SearchMap({{9, "########"}, {10, "#@.B..E#"}, {11, "#......#"}, {12, "########"}});
    EXPECT_TRUE(r.solvable);
    EXPECT_TRUE(r.solution.empty());
    EXPECT_EQ(r.deadLayouts, 0u);
}

TEST(BlockSearch, BlocksStopAtBlocksAndLifts)
{
    // A block never pushes another, and a lift stops a block like a wall:
    // in a corridor either one leaves the lift out of reach from the start.
    SearchResult pair = SearchMap({{10, "#########"}, {11, "#@.BB..E#"}, {12, "#########"}});
    EXPECT_FALSE(pair.solvable);
    EXPECT_EQ(pair.deadLayouts, pair.layouts);
    SearchResult lift = SearchMap({{10, "#######"}, {11, "#@.B.E#"}, {12, "#######"}});
    EXPECT_FALSE(lift.solvable);
    EXPECT_EQ(lift.layouts, 3u) << "the start, the block half a tile on, and against the lift";
    EXPECT_EQ(lift.deadLayouts, lift.layouts);
}

TEST(BlockSearch, OnlyAPlayerInLineWithABlockPushesIt)
{
    // The crate stands half a tile below the corridor's line: the player in
    // the corridor walks into its corner and cannot push it, and nothing
    // else reaches it.
    BlockPuzzle puzzle;
    std::string error;
    std::string source = "legend E = floor + elevator \"next.dat\"\n" +
                         MapText({{9, "#######"}, {10, "#@...E#"}, {11, "###.###"}, {12, "  ###  "}}) +
                         "at 96 236 block\n";
    ASSERT_TRUE(Load(source, puzzle, error)) << error;
    SearchResult r = Search(puzzle);
    EXPECT_FALSE(r.solvable);
    EXPECT_EQ(r.layouts, 1u);
}

TEST(BlockSearch, RefusesWhatItCannotModel)
{
    BlockPuzzle puzzle;
    std::string error;
    EXPECT_FALSE(Load("legend E = floor + elevator \"n.dat\"\n" + MapText({{10, "#@.>.E#"}}), puzzle, error));
    EXPECT_NE(error.find("move by themselves"), std::string::npos) << error;
    EXPECT_FALSE(Load(MapText({{10, "#@.B.#"}}), puzzle, error));
    EXPECT_NE(error.find("no lift"), std::string::npos) << error;
    EXPECT_FALSE(Load("legend E = floor + elevator \"n.dat\"\n" + MapText({{10, "#@.@.E#"}}), puzzle, error));
    EXPECT_NE(error.find("more than one player"), std::string::npos) << error;
    EXPECT_FALSE(Load("legend E = floor + elevator \"n.dat\"\n" + MapText({{10, "#@..E#"}}) + "at 100 60 wall\n",
                      puzzle, error));
    EXPECT_NE(error.find("off the lattice"), std::string::npos) << error;
}

TEST(BlockSearch, TheCrateYardKeepsItsPuzzle)
{
    // The figures lev3.lvl's header gives: a level edit that changes them
    // changes the puzzle.
    std::string text, bytes, error;
    ASSERT_TRUE(levelc::ReadFileBytes(std::string(VELKAMIRE_SOURCE_DIR) + "/assets/levels/lev3.lvl", text));
    BlockPuzzle puzzle;
    ASSERT_TRUE(Load(text, puzzle, error)) << error;
    SearchResult r = Search(puzzle);
    EXPECT_TRUE(r.complete);
    EXPECT_TRUE(r.solvable);
    EXPECT_EQ(r.solution.size(), 8u);
    EXPECT_EQ(r.layouts, 382u);
    EXPECT_EQ(r.deadLayouts, 71u);
}

}  // namespace
