#pragma once
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <vector>
#include "objects/BaseObject.h"
#include "objects/BaseObjectFactory.h"
#include "objects/CollisionGrid.h"

class LevelManager;

// Told of every object that leaves the world, so that an object holding a
// pointer to another it does not own can let go of it in time.
class DeletionWatcher {
public:
    virtual void objectDeleted(BaseObject* o) = 0;

protected:
    ~DeletionWatcher() = default;
};

// A handle to the one shared list of world objects; it holds no state of
// its own. The list is created by the first handle and, when the last
// handle goes, every object is deleted and the list freed.
class BaseObjectMan {
public:
    BaseObjectMan();
    ~BaseObjectMan();

    BaseObjectMan(const BaseObjectMan&) = delete;
    BaseObjectMan& operator=(const BaseObjectMan&) = delete;

    // One simulation step of every live object, each followed at once by
    // its collision walk. Walks the list from back to front.
    void updateAll(float dt, const KeyState* keys);
    // Sorts by draw layer, then type, keeping creation order among equals,
    // and draws front to back.
    void drawAll();
    void removeDead();
    void deleteAll();
    void postLoadAll();
    // The common 12-byte record and payload of every object that is
    // neither a palette tool nor dead, front to back.
    void saveAll(std::ostream& out);
    // The topmost object (in draw order) whose box contains the point.
    BaseObject* objectAt(float x, float y);
    // Tells o about every live object overlapping it, whatever their
    // solidity or freezing.
    void collideWithAll(BaseObject* o);

    // Visits every object in list order, front to back.
    void forEach(const std::function<void(BaseObject*)>& visit) const;
    // Whether o is still in the world (not yet deleted).
    bool contains(const BaseObject* o) const;
    std::size_t count() const;

    // A watcher stays registered until it removes itself.
    static void AddWatcher(DeletionWatcher* w);
    static void RemoveWatcher(DeletionWatcher* w);

    static void createObject(ObjectType type, float x, float y, LevelManager* levman,
                             std::istream* in)
    {
        BaseObjectFactory::createObject(type, x, y, levman, in);
    }

private:
    friend class BaseObject;
    // Called by BaseObject's constructor and destructor.
    static oList::iterator link(BaseObject* o);
    static void unlink(oList::iterator position);
    static oList& list();
    static CollisionGrid& grid();

    void collideWithPartners(BaseObject* o);
    // Walks the objects that may overlap o as WalkBackward walks the
    // whole list: through the grid during a step, the whole list otherwise.
    template <typename Visit>
    void walkNear(BaseObject* o, Visit visit);
    void sortForDrawing();

    static oList* objects;
    static int liveHandles;
    // The grid is up to date only while a step runs.
    static bool stepping;
    static std::vector<DeletionWatcher*>& watchers();
};
