#include "DrawOrder.h"
#include "ObjectTypes.h"

namespace levelc {

bool DrawsBefore(const LevelRecord& a, const LevelRecord& b)
{
    int la = DrawLayerOf(a.type), lb = DrawLayerOf(b.type);
    return la != lb ? la < lb : a.type < b.type;
}

bool SameDrawRank(const LevelRecord& a, const LevelRecord& b)
{
    return !DrawsBefore(a, b) && !DrawsBefore(b, a);
}

bool IsDrawSorted(const std::vector<LevelRecord>& records)
{
    for (size_t i = 1; i < records.size(); ++i)
        if (DrawsBefore(records[i], records[i - 1]))
            return false;
    return true;
}

}  // namespace levelc
