#pragma once
#include "Legend.h"
#include <string>
#include <vector>

namespace levelc {

// How the compiler orders the records it writes.
enum class RecordOrder {
    Drawing,    // "order sorted" (the default): stably by draw layer, then type
    AsWritten,  // "order as-written": objects in source order, the map's at its first row
};

// An object of the source with the line it came from.
struct SourceObject {
    LevelRecord record;
    int line = 0;
};

// The statements of a level source, as read.
struct LevelSource {
    RecordOrder order = RecordOrder::Drawing;
    int orderLine = 0;
    std::vector<std::string> mapRows;  // the cells between the bars, top row first
    std::vector<int> mapRowLines;
    Legend legend;  // the source's own entries
    std::map<char, int> legendLines;
    std::vector<SourceObject> placed;  // "at" lines, with their positions
    size_t placedBeforeMap = 0;        // how many of them come before the first map row
};

// Reads a level source. Problems are appended to `errors` as
// "sourceName:line: message"; reading goes on with the next line.
LevelSource ParseSource(const std::string& text, const std::string& sourceName, std::vector<std::string>& errors);

}  // namespace levelc
