#pragma once
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>
#include "objects/BaseObject.h"

// The object manager's index of where objects are, so that a collision
// walk need only look at objects near the one that walks. Objects are
// filed by their boxes in cells of a fixed grid; an object too large, too
// far out or with no proper box is filed everywhere, and an object made
// since the grid was last brought up to date is not filed yet: both are
// listed by every query. Objects move only in their own update, their own
// collide and the editor, so the manager refiles an object after those and
// brings every object up to date at the start of each step.
class CollisionGrid {
public:
    CollisionGrid();

    // A new object; it is listed by every query until Refresh files it.
    void Add(BaseObject* o);
    // An object leaving the world.
    void Remove(BaseObject* o);
    // Files every object of the list that is new or has moved.
    template <typename List>
    void Refresh(const List& objects)
    {
        for (BaseObject* o : objects) Refile(o);
        unfiled.clear();
    }
    // Files o again if its box is not the one it was filed with; true when
    // it had moved. An object not filed yet stays unfiled.
    bool Refile(BaseObject* o, bool fileNew = true);
    void Clear();

    // The order numbers of the list: rising from front to back. New
    // objects are numbered on Add; Renumber after the list is reordered.
    void Renumber(const oList& objects);

    // Visits, backward from the list's present last object, the objects
    // that may overlap o, in the order a walk of the whole list would meet
    // them; visit returns true to stop. Objects added meanwhile are not
    // visited. When o moves during a visit, the objects still to come are
    // looked up again around its new box, and when that box cannot be
    // looked up, the rest of the list is walked whole. False, having
    // visited nothing, when the grid cannot serve this walk at all.
    template <typename Visit>
    bool WalkNear(oList& list, BaseObject* o, Visit visit);

private:
    struct Cells {
        int32_t column0, row0, column1, row1;
    };
    // Every object that may overlap o's present box and comes before
    // `before` in the list, last first, each once; false when o's box
    // cannot be looked up.
    bool Near(const BaseObject& o, uint64_t before);
    static bool SameBox(const BaseObject& o, const ScanEntry& box);
    bool CellsOf(float x, float y, float width, float height, Cells& cells) const;
    void File(BaseObject* o);
    void Unfile(BaseObject* o);

    std::vector<std::vector<BaseObject*>> cells;
    std::vector<BaseObject*> everywhere;
    std::vector<BaseObject*> unfiled;
    std::vector<BaseObject*> near;
    uint64_t stamp = 0;
    uint64_t nextOrder = 0;
    bool walking = false;
};

template <typename Visit>
bool CollisionGrid::WalkNear(oList& list, BaseObject* o, Visit visit)
{
    // A walk inside a walk would reuse `near`: let it walk the list.
    if (walking || list.empty()) return false;
    uint64_t before = list.back()->scan.order + 1;
    if (!Near(*o, before)) return false;
    walking = true;
    ScanEntry box;
    box.x = o->x, box.y = o->y, box.width = o->width, box.height = o->height;
    for (size_t i = 0; i < near.size();) {
        BaseObject* p = near[i++];
        bool stop = visit(p);
        if (stop || p == list.front()) break;
        before = p->scan.order;
        if (SameBox(*o, box)) continue;
        box.x = o->x, box.y = o->y, box.width = o->width, box.height = o->height;
        i = 0;
        if (Near(*o, before)) continue;
        for (auto it = std::prev(p->listPos);; --it)
            if (visit(*it) || it == list.begin()) break;
        break;
    }
    walking = false;
    return true;
}
