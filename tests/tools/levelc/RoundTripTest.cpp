#include "Decompiler.h"
#include "DrawOrder.h"
#include "LevelBinary.h"
#include "LevelBytes.h"
#include "SourceCompiler.h"
#include "SourceText.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <iterator>
#include <limits>
#include <random>

using namespace levelc;

namespace {

// Decompiles a level file and compiles the source again; returns the source.
std::string ExpectRoundTrip(const std::string& bytes)
{
    std::vector<LevelRecord> records;
    std::string error;
    EXPECT_TRUE(ReadLevel(bytes, records, error)) << error;
    std::string text = DecompileLevel(records);
    std::string again;
    std::vector<std::string> errors;
    EXPECT_TRUE(CompileSource(text, "decompiled.lvl", again, errors)) << (errors.empty() ? text : errors[0]);
    EXPECT_EQ(again, bytes) << text;
    return text;
}

bool HasMap(const std::string& text) { return text.find("\n|") != std::string::npos; }

std::string CompileOrDie(const std::string& text)
{
    std::string bytes;
    std::vector<std::string> errors;
    EXPECT_TRUE(CompileSource(text, "room.lvl", bytes, errors));
    return bytes;
}

std::vector<LevelRecord> RecordsOf(const std::string& bytes)
{
    std::vector<LevelRecord> records;
    std::string error;
    EXPECT_TRUE(ReadLevel(bytes, records, error)) << error;
    return records;
}

const std::string ROOM = "legend s = hit-switch 0 on\nlegend t = floor + text \"sign.txt\"\n"
                         "legend E = floor + elevator \"lev2.dat\"\nlegend b = floor + burner 0\n" +
                         MapText({{10, " ##########"}, {11, " #..t...E.#"}, {12, " #.>.B..b.s"},
                                  {13, " #@..gnx..#"}, {14, " ##########"}}) +
                         "at 176 172 block\n";

}  // namespace

TEST(LevelRoundTrip, CompiledSourceComesBackAsAMap)
{
    std::string text = ExpectRoundTrip(CompileOrDie(ROOM));
    EXPECT_TRUE(HasMap(text));
    EXPECT_NE(text.find("| #@..gnx..#"), std::string::npos) << text;
    EXPECT_NE(text.find("at 176 172 block"), std::string::npos) << text;
    EXPECT_EQ(text.find("order as-written"), std::string::npos);
}

TEST(LevelRoundTrip, AnyRecordOrder)
{
    std::vector<LevelRecord> records = RecordsOf(CompileOrDie(ROOM));
    std::mt19937 random(7);
    for (int i = 0; i < 20; ++i) {
        std::shuffle(records.begin(), records.end(), random);
        ExpectRoundTrip(WriteLevel(records));
    }
}

TEST(LevelRoundTrip, EditorOrderKeepsAMapWithStragglersAsAtLines)
{
    // As the editor saves: sorted by draw layer and type, but within a kind in
    // the order of placing; here the last floor was placed first, the first last.
    std::vector<LevelRecord> records = RecordsOf(CompileOrDie(ROOM));
    auto floorsEnd = std::find_if(records.begin(), records.end(), [](const LevelRecord& r) { return r.type != 0; });
    std::iter_swap(records.begin(), floorsEnd - 1);
    std::string text = ExpectRoundTrip(WriteLevel(records));
    size_t map = text.find("\n|");
    ASSERT_NE(map, std::string::npos) << text;
    EXPECT_LT(text.find("at 288 220 floor"), map) << text;
    size_t after = text.find("at 64 156 floor");
    EXPECT_TRUE(after > map && after != std::string::npos) << text;
}

TEST(LevelRoundTrip, OddCoordinates)
{
    LevelBytes level;
    uint32_t nanBits = 0xFFC01234;
    float nan;
    std::memcpy(&nan, &nanBits, 4);
    for (float v : {0.1f, -0.0f, 1e-45f, 3.4028235e38f, -std::numeric_limits<float>::infinity(), nan, 16.000002f,
                    32.0f})
        level.Record(0, v, 28).Record(3, 32, v);
    std::string text = ExpectRoundTrip(level.Bytes());
    EXPECT_NE(text.find("at -0 28 floor"), std::string::npos) << "-0 is not the grid's x = 0: " << text;
    EXPECT_NE(text.find("at 0.1 28 floor"), std::string::npos) << text;
    EXPECT_NE(text.find("0xffc01234"), std::string::npos) << text;
}

TEST(LevelRoundTrip, TypesWithoutAClassAndOddParameters)
{
    LevelBytes level;
    for (int32_t type : {6, 9, 10, 15, 2, 11, 18, 22, 99, -1, INT32_MIN, INT32_MAX})
        level.Record(type, 32, 92);
    level.Record(4, 64, 92).Word(4294967295u).Word(7);
    level.Record(17, 64, 92).Word(0).Word(1);
    level.Record(16, 96, 92).Word(static_cast<uint32_t>(-3));
    level.Record(16, 96, 92).Word(4);
    level.Record(19, 128, 92).Word(123456);
    ExpectRoundTrip(level.Bytes());
}

TEST(LevelRoundTrip, NamesWithAnyBytes)
{
    LevelBytes level;
    level.Record(14, 32, 92).Name("my level.dat");
    level.Record(21, 32, 92).Name("");
    level.Record(21, 64, 92).Name("quote\" back\\ hash# tab\t nl\n cr\r high\xff\x80 utf8 \xc3\xa9 bar| del\x7f");
    level.Record(14, 1.5f, 2).Name("+ = legend at order");
    std::string text = ExpectRoundTrip(level.Bytes());
    EXPECT_NE(text.find("\"my level.dat\""), std::string::npos) << text;
}

TEST(LevelRoundTrip, NameRunningToTheEndOfTheFile)
{
    for (int32_t type : {14, 21}) {
        LevelBytes withName, empty;
        withName.Record(0, 32, 92).Record(type, 64, 92).Name("no zero byte", false);
        std::string text = ExpectRoundTrip(withName.Bytes());
        EXPECT_NE(text.find("\"no zero byte\" unterminated"), std::string::npos) << text;
        // A bare 12-byte record at the end: the game reads an empty name.
        empty.Record(type, 64, 92);
        ExpectRoundTrip(empty.Bytes());
    }
    // Sorted, the text (layer 3) would come before the player (layer 5).
    LevelBytes unsorted;
    unsorted.Record(5, 32, 92).Record(21, 64, 92).Name("sign", false);
    ExpectRoundTrip(unsorted.Bytes());
}

TEST(LevelRoundTrip, EmptyLevelAndStackedDuplicates)
{
    ExpectRoundTrip("");
    LevelBytes stacked;
    for (int i = 0; i < 3; ++i)
        stacked.Record(0, 32, 92);
    stacked.Record(1, 32, 92).Record(1, 32, 92);
    EXPECT_TRUE(HasMap(ExpectRoundTrip(stacked.Bytes())));
}

TEST(LevelRoundTrip, MoreDistinctStacksThanLegendCharacters)
{
    LevelBytes level;
    for (uint32_t id = 0; id < 200; ++id)
        level.Record(4, 32.0f * (id % 26), 32.0f * (id / 26) + 28).Word(id).Word(0);
    ExpectRoundTrip(level.Bytes());
}

TEST(LevelRoundTrip, RandomLevels)
{
    // Records of every kind on and off the grid, in random order, in the
    // editor's draw order, or sorted by type alone.
    std::mt19937 random(1234);
    const int32_t types[] = {0, 1, 3, 4, 5, 6, 7, 8, 12, 13, 14, 16, 17, 19, 20, 21, 99};
    for (int level = 0; level < 200; ++level) {
        std::vector<LevelRecord> records(random() % 40);
        for (LevelRecord& r : records) {
            r.type = types[random() % std::size(types)];
            bool onGrid = random() % 4 != 0;
            r.xBits = FloatBits(onGrid ? 32.0f * (random() % 4) : (random() % 1000) / 7.0f);
            r.yBits = FloatBits(onGrid ? 32.0f * (random() % 3) + 28 : -static_cast<int>(random() % 100) / 3.0f);
            r.id = random() % 3;
            r.state = random() % 3;
            r.direction = static_cast<int32_t>(random() % 5);
            r.switchId = random() % 2;
            r.name = std::string(random() % 3, static_cast<char>('a' + random() % 2));
        }
        if (level % 3 == 1)
            SortForDrawing(records, [](const LevelRecord& r) -> const LevelRecord& { return r; });
        if (level % 3 == 2)
            std::stable_sort(records.begin(), records.end(),
                             [](const LevelRecord& a, const LevelRecord& b) { return a.type < b.type; });
        if (!records.empty() && random() % 3 == 0)
            records.back().nameTerminated = false;
        ExpectRoundTrip(WriteLevel(records));
    }
}
