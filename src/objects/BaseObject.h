#pragma once
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <list>
#include <string>
#include <utility>
#include "objects/ObjectType.h"
#include "objects/ScanEntry.h"

struct KeyState;
class LevelManager;
class BaseObject;

// The one list of live world objects. Each object owns itself; the list
// holds plain pointers in insertion order (re-sorted by every draw).
using oList = std::list<BaseObject*>;

// Everything that exists in a level. Constructing an object puts it into
// the world (at the end of the object list); deleting it takes it out.
// Objects are always heap-allocated, and only the object manager deletes
// them, after they report themselves dead.
class BaseObject {
public:
    BaseObject(float x, float y, float width, float height, int32_t drawLayer);
    virtual ~BaseObject();

    BaseObject(const BaseObject&) = delete;
    BaseObject& operator=(const BaseObject&) = delete;

    std::pair<float, float> getPosition() const { return {x, y}; }
    float getWidth() const { return width; }
    float getHeight() const { return height; }
    int32_t getDrawLayer() const { return drawLayer; }
    // A palette item of the level editor: never saved, never deleted by
    // the editor. Nothing clears the mark.
    bool isTool() const { return tool; }
    void setTool() { tool = true; }
    // A frozen object is neither updated nor part of the collision scan.
    void freeze() { frozen = true; }
    void unfreeze() { frozen = false; }
    bool isFrozen() const { return frozen; }

    virtual ObjectType getType() const = 0;
    // Writes the class's own parameters after the common level record.
    virtual void save(std::ostream& out);
    // Text typed at an editor prompt this object asked for.
    virtual void textEntered(const std::string& text);
    // Called once on every object after a whole level has been read.
    virtual void postLoad();
    virtual void draw();
    // One fixed simulation step of dt seconds.
    virtual void update(float dt, const KeyState* keys);
    // other's box overlaps this one's in the current step.
    virtual void collide(BaseObject* other);
    // The editor's click at grid point (x, y) while this object is
    // selected: a palette tool drops a new object there, anything else
    // moves there.
    virtual void editAt(float x, float y);
    virtual bool isDead() const = 0;
    // Never starts a collision test, though it may still be hit.
    virtual bool isStatic() const = 0;
    // Takes part in the collision scan at all.
    virtual bool isSolid() const = 0;
    virtual void kill() = 0;

    // For the replay trace: writes this object's own state as zero or more
    // JSON members, each written as ,"name":value (leading comma, no
    // whitespace). The caller has already opened the object and written
    // its common members, and closes it afterwards. The default adds none.
    virtual void traceState(std::ostream& out) const;

protected:
    // The editor's click for objects that answer a click on themselves: a
    // palette tool drops a new object of its type (through its maker, with
    // `levman`), a click on the object calls onClicked, and any other click
    // moves the object there.
    void editOrClick(float px, float py, LevelManager* levman, const std::function<void()>& onClicked);

    float x;
    float y;
    float width;
    float height;
    int32_t drawLayer;

private:
    friend class BaseObjectMan;
    friend class CollisionGrid;

    bool tool = false;
    bool frozen = false;
    oList::iterator listPos;
    ScanEntry scan;
};
