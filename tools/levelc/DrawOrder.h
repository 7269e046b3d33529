#pragma once
#include "LevelRecord.h"
#include <vector>

namespace levelc {

// The game's draw pass sorts objects stably by draw layer, then type value;
// the in-game editor saves its objects in that order.
bool DrawsBefore(const LevelRecord& a, const LevelRecord& b);

// True when a and b have the same place in that order (same layer and type).
bool SameDrawRank(const LevelRecord& a, const LevelRecord& b);

template <typename T, typename RecordOf>
void SortForDrawing(std::vector<T>& items, RecordOf recordOf);

bool IsDrawSorted(const std::vector<LevelRecord>& records);

}  // namespace levelc

#include <algorithm>

template <typename T, typename RecordOf>
void levelc::SortForDrawing(std::vector<T>& items, RecordOf recordOf)
{
    std::stable_sort(items.begin(), items.end(),
                     [&](const T& a, const T& b) { return DrawsBefore(recordOf(a), recordOf(b)); });
}
