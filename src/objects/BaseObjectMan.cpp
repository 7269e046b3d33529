#include "objects/BaseObjectMan.h"
#include "objects/BinaryIo.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <ostream>
#include "shell/Assertion.h"
#include "shell/Shell.h"

oList* BaseObjectMan::objects = nullptr;
int BaseObjectMan::liveHandles = 0;
bool BaseObjectMan::stepping = false;

namespace {

// The object module's own handle keeps the list alive for the whole run.
BaseObjectMan moduleHandle;

// Visits the list from its last object to its first. Objects appended
// meanwhile land behind the walk and are not visited. `visit` returns
// true to stop the walk.
template <typename Visit>
void WalkBackward(oList& list, Visit visit)
{
    if (list.empty()) return;
    for (auto it = std::prev(list.end());; --it) {
        if (visit(*it) || it == list.begin()) return;
    }
}

// Strict on both axes: boxes that only touch do not overlap.
bool Overlap(const BaseObject& a, const BaseObject& b)
{
    auto [ax, ay] = a.getPosition();
    auto [bx, by] = b.getPosition();
    return std::fabs(ax - bx) < (a.getWidth() + b.getWidth()) * 0.5f &&
           std::fabs(ay - by) < (a.getHeight() + b.getHeight()) * 0.5f;
}

bool Contains(const BaseObject& o, float x, float y)
{
    auto [ox, oy] = o.getPosition();
    return std::fabs(ox - x) < o.getWidth() * 0.5f && std::fabs(oy - y) < o.getHeight() * 0.5f;
}

} // namespace

BaseObjectMan::BaseObjectMan()
{
    ++liveHandles;
    list();
}

BaseObjectMan::~BaseObjectMan()
{
    if (--liveHandles > 0) return;
    deleteAll();
    // Objects a destructor made cannot be deleted safely any more; the list
    // stays so that they still have somewhere to unlink from.
    if (objects->empty()) {
        delete objects;
        objects = nullptr;
    }
}

oList& BaseObjectMan::list()
{
    if (!objects) objects = new (std::nothrow) oList;
    VK_ASSERT(objects != 0, "objects");
    return *objects;
}

// Never freed, like the watchers: objects may leave the world at exit.
CollisionGrid& BaseObjectMan::grid()
{
    static auto* index = new CollisionGrid;
    return *index;
}

oList::iterator BaseObjectMan::link(BaseObject* o)
{
    grid().Add(o);
    return list().insert(list().end(), o);
}

void BaseObjectMan::unlink(oList::iterator position)
{
    BaseObject* gone = *position;
    grid().Remove(gone);
    list().erase(position);
    for (DeletionWatcher* w : watchers()) w->objectDeleted(gone);
}

// Never freed: objects may still leave the world while static objects are
// destroyed at exit.
std::vector<DeletionWatcher*>& BaseObjectMan::watchers()
{
    static auto* all = new std::vector<DeletionWatcher*>;
    return *all;
}

void BaseObjectMan::AddWatcher(DeletionWatcher* w) { watchers().push_back(w); }

void BaseObjectMan::RemoveWatcher(DeletionWatcher* w)
{
    watchers().erase(std::remove(watchers().begin(), watchers().end(), w), watchers().end());
}

// Objects move only in their own update and collide (and in the editor,
// between steps), so each is filed again in the grid after those.
void BaseObjectMan::updateAll(float dt, const KeyState* keys)
{
    grid().Refresh(list());
    stepping = true;
    WalkBackward(list(), [&](BaseObject* o) {
        if (!o->isDead() && !o->isFrozen()) o->update(dt, keys);
        grid().Refile(o, false);
        if (!o->isDead() && !o->isStatic() && o->isSolid() && !o->isFrozen())
            collideWithPartners(o);
        return false;
    });
    stepping = false;
}

template <typename Visit>
void BaseObjectMan::walkNear(BaseObject* o, Visit visit)
{
    if (!stepping || !grid().WalkNear(list(), o, visit)) WalkBackward(list(), visit);
}

void BaseObjectMan::collideWithPartners(BaseObject* o)
{
    walkNear(o, [o](BaseObject* p) {
        if (o->isDead()) return true;
        if (p != o && !p->isDead() && p->isSolid() && !p->isFrozen() && Overlap(*o, *p)) {
            o->collide(p);
            p->collide(o);
            grid().Refile(o, false);
            grid().Refile(p, false);
        }
        return false;
    });
}

void BaseObjectMan::collideWithAll(BaseObject* o)
{
    if (o->isDead()) return;
    walkNear(o, [o](BaseObject* p) {
        if (o->isDead()) return true;
        if (p != o && !p->isDead() && Overlap(*o, *p)) {
            o->collide(p);
            grid().Refile(o, false);
        }
        return false;
    });
}

void BaseObjectMan::sortForDrawing()
{
    // std::list::sort is stable and keeps every stored position valid.
    list().sort([](const BaseObject* a, const BaseObject* b) {
        if (a->getDrawLayer() != b->getDrawLayer()) return a->getDrawLayer() < b->getDrawLayer();
        return a->getType() < b->getType();
    });
    grid().Renumber(list());
}

void BaseObjectMan::drawAll()
{
    sortForDrawing();
    for (BaseObject* o : list()) o->draw();
}

BaseObject* BaseObjectMan::objectAt(float x, float y)
{
    sortForDrawing();
    BaseObject* found = nullptr;
    WalkBackward(list(), [&](BaseObject* o) {
        if (Contains(*o, x, y)) found = o;
        return found != nullptr;
    });
    return found;
}

void BaseObjectMan::removeDead()
{
    for (auto it = list().begin(); it != list().end();) {
        BaseObject* o = *it++;
        if (o->isDead()) delete o;
    }
}

void BaseObjectMan::deleteAll()
{
    // Only the objects present now are deleted, so that anything a
    // destructor makes is left behind and reported.
    if (!list().empty()) {
        BaseObject* last = list().back();
        for (auto it = list().begin();;) {
            BaseObject* o = *it++;
            bool wasLast = o == last;
            delete o;
            if (wasLast) break;
        }
    }
    if (!list().empty()) ErrorBox("Not clear!");
}

void BaseObjectMan::postLoadAll()
{
    for (BaseObject* o : list()) o->postLoad();
}

void BaseObjectMan::saveAll(std::ostream& out)
{
    for (BaseObject* o : list()) {
        if (o->isTool() || o->isDead()) continue;
        auto [x, y] = o->getPosition();
        WriteU32(out, static_cast<uint32_t>(o->getType()));
        WriteF32(out, x);
        WriteF32(out, y);
        o->save(out);
    }
}

void BaseObjectMan::forEach(const std::function<void(BaseObject*)>& visit) const
{
    for (BaseObject* o : list()) visit(o);
}

std::size_t BaseObjectMan::count() const { return list().size(); }

bool BaseObjectMan::contains(const BaseObject* o) const
{
    for (BaseObject* p : list())
        if (p == o) return true;
    return false;
}
