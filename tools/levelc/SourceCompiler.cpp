#include "SourceCompiler.h"
#include "DrawOrder.h"
#include "Grid.h"
#include "LevelBinary.h"

namespace levelc {
namespace {

const ObjectStack* LookUp(const LevelSource& source, char key)
{
    auto own = source.legend.find(key);
    if (own != source.legend.end())
        return &own->second;
    auto builtin = BuiltinLegend().find(key);
    return builtin != BuiltinLegend().end() ? &builtin->second : nullptr;
}

std::string Describe(char c)
{
    if (c > ' ' && c < 0x7F)
        return std::string("'") + c + "'";
    return "byte " + std::to_string(static_cast<unsigned char>(c));
}

// Map cells in cell order (bottom row first), each cell's stack bottom first.
void ExpandMap(const LevelSource& source, const std::string& sourceName, std::vector<SourceObject>& objects,
               std::vector<std::string>& errors)
{
    for (size_t r = source.mapRows.size(); r-- > 0;) {
        int row = GRID_ROWS - 1 - static_cast<int>(r);
        int line = source.mapRowLines[r];
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            char key = source.mapRows[r][column];
            const ObjectStack* stack = LookUp(source, key);
            if (!stack) {
                errors.push_back(sourceName + ":" + std::to_string(line) + ": column " + std::to_string(column) +
                                 ": " + Describe(key) + " is not in the legend");
                continue;
            }
            for (LevelRecord record : *stack) {
                record.xBits = CellXBits(column);
                record.yBits = CellYBits(row);
                objects.push_back({record, line});
            }
        }
    }
}

// The game reads a name that has no zero byte up to the end of the file, so
// only the very last record may carry one.
void CheckUnterminated(const std::vector<SourceObject>& objects, const std::string& sourceName,
                       std::vector<std::string>& errors)
{
    for (size_t i = 0; i + 1 < objects.size(); ++i)
        if (!objects[i].record.nameTerminated)
            errors.push_back(sourceName + ":" + std::to_string(objects[i].line) +
                             ": an unterminated name must end the file, but " +
                             std::to_string(objects.size() - 1 - i) + " records would follow it");
}

}  // namespace

std::vector<SourceObject> ArrangeObjects(const LevelSource& source, const std::string& sourceName,
                                         std::vector<std::string>& errors)
{
    // Source order, with the whole map standing where its first row is.
    auto split = source.placed.begin() + static_cast<std::ptrdiff_t>(source.placedBeforeMap);
    std::vector<SourceObject> objects(source.placed.begin(), split);
    ExpandMap(source, sourceName, objects, errors);
    objects.insert(objects.end(), split, source.placed.end());
    if (source.order == RecordOrder::Drawing)
        SortForDrawing(objects, [](const SourceObject& o) -> const LevelRecord& { return o.record; });
    CheckUnterminated(objects, sourceName, errors);
    return objects;
}

bool CompileSource(const std::string& text, const std::string& sourceName, std::string& bytes,
                   std::vector<std::string>& errors)
{
    size_t before = errors.size();
    LevelSource source = ParseSource(text, sourceName, errors);
    std::vector<SourceObject> objects = ArrangeObjects(source, sourceName, errors);
    if (errors.size() != before)
        return false;
    std::vector<LevelRecord> records;
    for (const SourceObject& o : objects)
        records.push_back(o.record);
    bytes = WriteLevel(records);
    return true;
}

}  // namespace levelc
