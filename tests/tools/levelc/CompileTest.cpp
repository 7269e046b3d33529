#include "LevelBytes.h"
#include "SourceCompiler.h"
#include "SourceText.h"
#include <gtest/gtest.h>

using namespace levelc;

namespace {

// Two rows near the bottom, a legend of parameterised objects and two free
// placements: one off the grid at -0, one of a type the game has no class for.
std::string RoomSource(const std::string& orderLine)
{
    return orderLine + "# a small room\n"
           "legend s = pressure-switch 7 on\n"
           "legend E = floor + elevator \"lev2.dat\"   # the exit\n" +
           MapText({{14, " B"}, {15, "#.@s>E"}}) +
           "at 48.5 -0 burner 7\n"
           "at 10 20 99\n";
}

std::string Compile(const std::string& text)
{
    std::string bytes;
    std::vector<std::string> errors;
    EXPECT_TRUE(CompileSource(text, "room.lvl", bytes, errors)) << (errors.empty() ? "" : errors[0]);
    return bytes;
}

}  // namespace

TEST(LevelCompile, SortedOrderIsDrawLayerThenTypeThenCellOrder)
{
    LevelBytes expected;
    // Layer 1: floors in cell order (the lower row first), the plate, the burner.
    expected.Record(0, 32, 92).Record(0, 64, 92).Record(0, 128, 92).Record(0, 160, 92).Record(0, 32, 124);
    expected.Record(17, 96, 92).Word(7).Word(1);
    expected.Record(19, 48.5f, -0.0f).Word(7);
    // Layer 2: wall, then block; layer 3 zombie; layer 5 player; layer 6 elevator.
    expected.Record(1, 0, 92).Record(3, 32, 124);
    expected.Record(16, 128, 92).Word(1);
    expected.Record(5, 64, 92);
    expected.Record(14, 160, 92).Name("lev2.dat");
    // No class: after everything else, with no payload.
    expected.Record(99, 10, 20);

    EXPECT_EQ(Compile(RoomSource("")), expected.Bytes());
    EXPECT_EQ(Compile(RoomSource("order sorted\n")), expected.Bytes());
}

TEST(LevelCompile, AsWrittenOrderIsSourceOrderWithMapCellsBottomRowFirst)
{
    LevelBytes expected;
    expected.Record(1, 1, 1);
    expected.Record(1, 0, 92).Record(0, 32, 92).Record(0, 64, 92).Record(5, 64, 92);
    expected.Record(17, 96, 92).Word(7).Word(1);
    expected.Record(0, 128, 92).Record(16, 128, 92).Word(1);
    expected.Record(0, 160, 92).Record(14, 160, 92).Name("lev2.dat");
    expected.Record(0, 32, 124).Record(3, 32, 124);
    expected.Record(19, 48.5f, -0.0f).Word(7);
    expected.Record(99, 10, 20);

    EXPECT_EQ(Compile(RoomSource("order as-written\nat 1 1 wall\n")), expected.Bytes());
}

TEST(LevelCompile, CornersOfTheGridAndParameterSpellings)
{
    std::string text = "order as-written\n" + MapText({{0, "#"}, {17, "                         ."}}) +
                       "at 1e-45 0x7fc00001 zombie -5 + hit-switch 4294967295 2 + text \"a \\\"b\\\"\\x01\\\\\"\n"
                       "at 0 0 text \"tail\" unterminated\n";
    LevelBytes expected;
    expected.Record(0, 800, 28).Record(1, 0, 572);
    uint32_t nanBits = 0x7fc00001;
    float nan;
    std::memcpy(&nan, &nanBits, 4);
    expected.Record(16, 1e-45f, nan).Word(static_cast<uint32_t>(-5));
    expected.Record(4, 1e-45f, nan).Word(4294967295u).Word(2);
    expected.Record(21, 1e-45f, nan).Name(std::string("a \"b\"\x01\\"));
    expected.Record(21, 0, 0).Name("tail", false);
    EXPECT_EQ(Compile(text), expected.Bytes());
}

TEST(LevelCompile, CrLfLinesAndTabsBetweenWords)
{
    std::string text = "legend\tk =\tfloor + zombie\tup\r\n" + MapText({{16, "k"}}) + "at\t1 2 wall\r\n";
    LevelBytes expected;
    expected.Record(0, 0, 60).Record(1, 1, 2).Record(16, 0, 60).Word(2);
    EXPECT_EQ(Compile(text), expected.Bytes());
}
