#include "Decompiler.h"
#include "DrawOrder.h"
#include "Grid.h"
#include "LevelBinary.h"
#include "Legend.h"
#include "SourceCompiler.h"

namespace levelc {
namespace {

const char HEADER[] = "# Velkamire level source, written by velkamire-levelc decompile.\n";

// Characters handed out to legend entries the decompiler makes, plainest first.
const char KEY_POOL[] = "abcdehijklmopqrstuwyzACEFGHIJKLMNOPQRSTUVWXYZ0123456789$%&*+-/:;=?!~()[]{}_',`";

std::string AtLine(const LevelRecord& r)
{
    return "at " + FormatCoordinate(r.xBits) + " " + FormatCoordinate(r.yBits) + " " + FormatObject(r) + "\n";
}

// Where a record goes: on the map (its cell), or an "at" line before or after it.
struct Placement {
    int cell = -1;
    bool beforeMap = false;
};

// Within one run of records that the compiler keeps together, the map takes
// the longest stretch that lies on the grid in cell order; the records before
// it become "at" lines before the map, those after it "at" lines after.
void PlaceRun(const std::vector<LevelRecord>& records, size_t begin, size_t end, std::vector<Placement>& places)
{
    size_t best = begin, bestLength = 0, stretch = begin;
    int last = -1;
    for (size_t i = begin; i < end; ++i) {
        int cell = CellAt(records[i].xBits, records[i].yBits);
        if (cell < 0 || cell < last)
            stretch = cell < 0 ? i + 1 : i;
        last = cell;
        if (i + 1 - stretch > bestLength) {
            best = stretch;
            bestLength = i + 1 - stretch;
        }
    }
    for (size_t i = begin; i < end; ++i) {
        places[i].beforeMap = i < best;
        if (i >= best && i < best + bestLength)
            places[i].cell = CellAt(records[i].xBits, records[i].yBits);
    }
}

// The runs are one draw rank each when the records are sorted, else the whole file.
std::vector<Placement> PlaceRecords(const std::vector<LevelRecord>& records, bool sorted)
{
    std::vector<Placement> places(records.size());
    for (size_t begin = 0, end; begin < records.size(); begin = end) {
        for (end = begin + 1; end < records.size(); ++end)
            if (sorted && !SameDrawRank(records[begin], records[end]))
                break;
        PlaceRun(records, begin, end, places);
    }
    return places;
}

class LegendBuilder {
public:
    // The character for a stack, or 0 when the pool has run dry.
    char KeyFor(const ObjectStack& stack)
    {
        for (const auto& [key, known] : BuiltinLegend())
            if (SameStack(known, stack))
                return key;
        for (const auto& [key, known] : made)
            if (SameStack(known, stack))
                return key;
        if (next + 1 >= sizeof KEY_POOL)
            return 0;
        char key = KEY_POOL[next++];
        made.emplace_back(key, stack);
        return key;
    }

    std::string Lines() const
    {
        std::string out;
        for (const auto& [key, stack] : made)
            out += std::string("legend ") + key + " = " + FormatStack(stack) + "\n";
        return out;
    }

private:
    std::vector<std::pair<char, ObjectStack>> made;
    size_t next = 0;
};

std::string Ruler()
{
    std::string tens = "#", units = "#";
    for (int column = 0; column < GRID_COLUMNS; ++column) {
        tens += column < 10 ? ' ' : char('0' + column / 10);
        units += char('0' + column % 10);
    }
    return tens + "\n" + units + "\n";
}

// The map rows for the cells' stacks, or false when the legend keys run out.
bool MapRows(const std::vector<ObjectStack>& cells, LegendBuilder& legend, std::string& rows)
{
    for (int r = 0; r < GRID_ROWS; ++r) {
        std::string row = "|";
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            char key = legend.KeyFor(cells[CellIndex(column, GRID_ROWS - 1 - r)]);
            if (!key)
                return false;
            row += key;
        }
        rows += row + "|  # y=" + FormatCoordinate(CellYBits(GRID_ROWS - 1 - r)) + "\n";
    }
    return true;
}

// A map with legend and "at" lines, or false when the legend keys run out.
bool MapForm(const std::vector<LevelRecord>& records, std::string& text)
{
    bool sorted = IsDrawSorted(records);
    std::vector<Placement> places = PlaceRecords(records, sorted);
    std::vector<ObjectStack> cells(GRID_COLUMNS * GRID_ROWS);
    std::string before, after;
    bool anyOnMap = false;
    for (size_t i = 0; i < records.size(); ++i) {
        anyOnMap = anyOnMap || places[i].cell >= 0;
        if (places[i].cell >= 0)
            cells[places[i].cell].push_back(records[i]);
        else
            (places[i].beforeMap ? before : after) += AtLine(records[i]);
    }
    LegendBuilder legend;
    std::string rows;
    if (!MapRows(cells, legend, rows))
        return false;
    text = sorted ? "" : "order as-written\n";
    text += legend.Lines();
    if (!before.empty())
        text += "\n" + before;
    if (anyOnMap)
        text += "\n" + Ruler() + rows;
    if (!after.empty())
        text += "\n" + after;
    return true;
}

std::string ListForm(const std::vector<LevelRecord>& records)
{
    std::string text = "order as-written\n";
    for (const LevelRecord& r : records)
        text += AtLine(r);
    return text;
}

bool CompilesTo(const std::string& text, const std::string& expected)
{
    std::string bytes;
    std::vector<std::string> errors;
    return CompileSource(text, "decompiled", bytes, errors) && bytes == expected;
}

}  // namespace

std::string DecompileLevel(const std::vector<LevelRecord>& records)
{
    // The map form is checked by compiling it back; the list form is exact by
    // construction and serves whenever the map form would not be.
    std::string text;
    if (MapForm(records, text) && CompilesTo(text, WriteLevel(records)))
        return HEADER + text;
    return HEADER + ListForm(records);
}

}  // namespace levelc
