#include "objects/CollisionGrid.h"
#include <algorithm>
#include <cmath>
#include "objects/BaseObject.h"

namespace {

// Cells of 64 pixels from -2048 to 6144 on both axes: the screen and far
// around it. Two tiles a cell keeps a tile-sized box in one to four cells.
constexpr float CELL = 64.0f;
constexpr float ORIGIN = -2048.0f;
constexpr int32_t SIDE = 128;
// Boxes are looked up a little larger than they are, so that rounding in
// the overlap test can never find a pair the grid missed.
constexpr float MARGIN = 0.5f;
// An object spanning more cells than this is cheaper filed everywhere.
constexpr int64_t MOST_CELLS = 64;

void Erase(std::vector<BaseObject*>& list, BaseObject* o)
{
    auto it = std::find(list.begin(), list.end(), o);
    if (it == list.end()) return;
    *it = list.back();
    list.pop_back();
}

} // namespace

CollisionGrid::CollisionGrid() : cells(size_t(SIDE) * SIDE) {}

// Negative sizes (a beam shrinking past nothing) only ever shrink the
// overlap, so the box looked up uses their size as positive.
bool CollisionGrid::CellsOf(float x, float y, float width, float height, Cells& c) const
{
    float halfW = std::fabs(width) * 0.5f + MARGIN;
    float halfH = std::fabs(height) * 0.5f + MARGIN;
    float left = (x - halfW - ORIGIN) / CELL, right = (x + halfW - ORIGIN) / CELL;
    float bottom = (y - halfH - ORIGIN) / CELL, top = (y + halfH - ORIGIN) / CELL;
    // Also false for NaN and infinities.
    if (!(left >= 0.0f && bottom >= 0.0f && right < float(SIDE) && top < float(SIDE))) return false;
    c = Cells{int32_t(left), int32_t(bottom), int32_t(right), int32_t(top)};
    return int64_t(c.column1 - c.column0 + 1) * (c.row1 - c.row0 + 1) <= MOST_CELLS;
}

void CollisionGrid::Add(BaseObject* o)
{
    o->scan.order = ++nextOrder;
    o->scan.filed = false;
    unfiled.push_back(o);
}

void CollisionGrid::Renumber(const oList& objects)
{
    nextOrder = 0;
    for (BaseObject* o : objects) o->scan.order = ++nextOrder;
}

void CollisionGrid::Remove(BaseObject* o)
{
    if (o->scan.filed) Unfile(o);
    else Erase(unfiled, o);
}

void CollisionGrid::Clear()
{
    for (auto& cell : cells) cell.clear();
    everywhere.clear();
    unfiled.clear();
}

bool CollisionGrid::SameBox(const BaseObject& o, const ScanEntry& box)
{
    return box.x == o.x && box.y == o.y && box.width == o.width && box.height == o.height;
}

bool CollisionGrid::Refile(BaseObject* o, bool fileNew)
{
    if (!o->scan.filed) {
        if (!fileNew) return false;
        File(o);
        return true;
    }
    if (SameBox(*o, o->scan)) return false;
    Unfile(o);
    File(o);
    return true;
}

void CollisionGrid::File(BaseObject* o)
{
    ScanEntry& s = o->scan;
    s.filed = true;
    s.x = o->x;
    s.y = o->y;
    s.width = o->width;
    s.height = o->height;
    Cells c;
    s.everywhere = !CellsOf(o->x, o->y, o->width, o->height, c);
    if (s.everywhere) {
        everywhere.push_back(o);
        return;
    }
    s.column0 = c.column0;
    s.row0 = c.row0;
    s.column1 = c.column1;
    s.row1 = c.row1;
    for (int32_t row = c.row0; row <= c.row1; ++row)
        for (int32_t column = c.column0; column <= c.column1; ++column) cells[size_t(row) * SIDE + column].push_back(o);
}

void CollisionGrid::Unfile(BaseObject* o)
{
    ScanEntry& s = o->scan;
    s.filed = false;
    if (s.everywhere) {
        Erase(everywhere, o);
        return;
    }
    for (int32_t row = s.row0; row <= s.row1; ++row)
        for (int32_t column = s.column0; column <= s.column1; ++column) Erase(cells[size_t(row) * SIDE + column], o);
}

bool CollisionGrid::Near(const BaseObject& o, uint64_t before)
{
    near.clear();
    Cells c;
    if (!CellsOf(o.x, o.y, o.width, o.height, c)) return false;
    ++stamp;
    auto list = [&](BaseObject* p) {
        if (p->scan.stamp == stamp || p->scan.order >= before) return;
        p->scan.stamp = stamp;
        near.push_back(p);
    };
    for (int32_t row = c.row0; row <= c.row1; ++row)
        for (int32_t column = c.column0; column <= c.column1; ++column)
            for (BaseObject* p : cells[size_t(row) * SIDE + column]) list(p);
    for (BaseObject* p : everywhere) list(p);
    for (BaseObject* p : unfiled) list(p);
    std::sort(near.begin(), near.end(), [](const BaseObject* a, const BaseObject* b) { return a->scan.order > b->scan.order; });
    return true;
}
