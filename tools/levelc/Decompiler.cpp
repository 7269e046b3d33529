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

// Which records go on the map. Within one run of records that the compiler
// keeps together (one draw rank when sorted, the whole file when not), the
// map's share is the longest leading part that is on the grid in reading
// order; the rest follows as "at" lines, which the compiler puts after it.
std::vector<int> MapCells(const std::vector<LevelRecord>& records, bool sorted)
{
    std::vector<int> cells(records.size(), -1);
    int last = -1;
    bool open = true;
    for (size_t i = 0; i < records.size(); ++i) {
        if (sorted && i > 0 && !SameDrawRank(records[i - 1], records[i])) {
            last = -1;
            open = true;
        }
        int cell = CellAt(records[i].xBits, records[i].yBits);
        open = open && cell >= 0 && cell >= last;
        if (open)
            cells[i] = last = cell;
    }
    return cells;
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

// A map with legend and "at" lines, or false when the keys run out.
bool MapForm(const std::vector<LevelRecord>& records, std::string& text)
{
    bool sorted = IsDrawSorted(records);
    std::vector<int> cellOf = MapCells(records, sorted);
    std::vector<ObjectStack> cells(GRID_COLUMNS * GRID_ROWS);
    std::string atLines;
    for (size_t i = 0; i < records.size(); ++i) {
        if (cellOf[i] >= 0)
            cells[cellOf[i]].push_back(records[i]);
        else
            atLines += AtLine(records[i]);
    }
    LegendBuilder legend;
    std::string rows;
    for (int r = 0; r < GRID_ROWS; ++r) {
        std::string row = "|";
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            char key = legend.KeyFor(cells[r * GRID_COLUMNS + column]);
            if (!key)
                return false;
            row += key;
        }
        rows += row + "|  # y=" + FormatCoordinate(CellYBits(GRID_ROWS - 1 - r)) + "\n";
    }
    bool anyOnMap = false;
    for (int cell : cellOf)
        anyOnMap = anyOnMap || cell >= 0;
    text = sorted ? "" : "order as-written\n";
    text += legend.Lines();
    if (anyOnMap)
        text += "\n" + Ruler() + rows;
    if (!atLines.empty())
        text += "\n" + atLines;
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
