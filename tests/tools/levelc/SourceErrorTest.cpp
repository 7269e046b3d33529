#include "SourceCompiler.h"
#include "SourceText.h"
#include <gtest/gtest.h>

using namespace levelc;

namespace {

std::vector<std::string> ErrorsOf(const std::string& text)
{
    std::string bytes = "untouched";
    std::vector<std::string> errors;
    EXPECT_FALSE(CompileSource(text, "bad.lvl", bytes, errors));
    EXPECT_EQ(bytes, "untouched");
    return errors;
}

// The one error a source gives, which must name the file and line.
void ExpectError(const std::string& text, int line, const std::string& part)
{
    std::vector<std::string> errors = ErrorsOf(text);
    ASSERT_EQ(errors.size(), 1u) << text;
    std::string where = "bad.lvl:" + std::to_string(line) + ": ";
    EXPECT_EQ(errors[0].rfind(where, 0), 0u) << errors[0];
    EXPECT_NE(errors[0].find(part), std::string::npos) << errors[0];
}

}  // namespace

TEST(LevelSourceErrors, MapShape)
{
    // Line 1 is a comment, so map row r sits on line r + 2.
    std::string map = "# room\n" + MapText({{3, "..q.."}});
    ExpectError(map, 5, "column 2: 'q' is not in the legend");

    std::string ragged = "# room\n" + MapText({});
    ragged.replace(ragged.find("|\n", 30), 2, "|\n|                         |\n");
    ExpectError(ragged, 3, "25 cells between the bars; it needs 26");

    std::string shortMap = MapText({});
    shortMap.erase(0, shortMap.find('\n') + 1);
    ExpectError(shortMap, 17, "the map has 17 rows");
    ExpectError(MapText({}) + "|                          |\n", 19, "more than 18 rows");

    ExpectError("|....\n", 1, "no closing '|'");
    ExpectError("|                          | wall\n", 1, "after the map row's closing '|'");
    ExpectError("|\t                         |\n", 1, "tab in map row");
    ExpectError("legend\n", 1, "legend C = objects");
}

TEST(LevelSourceErrors, LegendKeys)
{
    ExpectError("legend a = floor\n\nlegend a = wall\n", 3, "legend 'a' is already defined on line 1");
    ExpectError("legend . = wall\n", 1, "'.' is built in (floor)");
    ExpectError("legend | = wall\n", 1, "'|' cannot be a legend character");
    ExpectError("legend ab = wall\n", 1, "single character");
    ExpectError("legend a floor\n", 1, "expected '=' after legend 'a'");
    // A broken entry is reported once, not again for every cell that uses it.
    ExpectError("legend a = flor\n" + MapText({{0, "aaa"}}), 1, "unknown object type 'flor'");
}

TEST(LevelSourceErrors, ObjectParameters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"hit-switch 3", "expected hit-switch's state"},
        {"pressure-switch -1 on", "switch id must be a whole number"},
        {"zombie sideways", "direction must be left, right, up, down"},
        {"burner 4294967296", "burner's switch id"},
        {"elevator lev2.dat", "must be in double quotes"},
        {"text \"a\\x00b\"", "cannot hold a zero byte"},
        {"text \"open", "no closing \""},
        {"text \"a\\n\"", "bad escape"},
        {"floor wall", "expected '+' or the end of the line, found 'wall'"},
        {"floor +", "expected an object type"},
        {"3000000000", "unknown object type '3000000000'"},
    };
    for (const auto& [objects, part] : cases)
        ExpectError(std::string("at 1 2 ") + objects + "\n", 1, part);
}

TEST(LevelSourceErrors, Statements)
{
    ExpectError("\n\nplace 1 2 wall\n", 3, "unknown statement 'place'");
    ExpectError("at 1 wall\n", 1, "at X Y objects");
    ExpectError("at 1 nan wall\n", 1, "bad coordinate 'nan'");
    ExpectError("at 1e39 1 wall\n", 1, "bad coordinate '1e39'");
    ExpectError("at 0x7fc0000 1 wall\n", 1, "bad coordinate");
    ExpectError("order sorted\norder as-written\n", 2, "already set on line 1");
    ExpectError("order shuffled\n", 1, "order sorted, or order as-written");
}

TEST(LevelSourceErrors, UnterminatedNameMustEndTheFile)
{
    // Sorted, the elevator (layer 6) would come before the unknown type 99.
    ExpectError("at 1 2 elevator \"x\" unterminated\nat 3 4 99\n", 1, "1 records would follow it");
    std::string bytes;
    std::vector<std::string> errors;
    EXPECT_TRUE(CompileSource("at 3 4 99\norder as-written\nat 1 2 elevator \"x\" unterminated\n", "ok.lvl",
                              bytes, errors));
}

TEST(LevelSourceErrors, EveryBadLineIsReported)
{
    std::vector<std::string> errors = ErrorsOf("at 1 2 wal\nlegend a = floor\nlegend a = wall\n" +
                                               MapText({{0, "?"}}));
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0].rfind("bad.lvl:1: ", 0), 0u);
    EXPECT_EQ(errors[1].rfind("bad.lvl:3: ", 0), 0u);
    EXPECT_EQ(errors[2].rfind("bad.lvl:4: column 0: '?'", 0), 0u);
}
