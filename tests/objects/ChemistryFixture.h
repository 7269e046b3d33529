#pragma once
#include <algorithm>
#include <set>
#include <utility>
#include <vector>
#include "objects/WorldFixture.h"

// A world for the fire-and-ice objects, with ways to find what they made.
class ChemistryTest : public WorldTest {
protected:
    using Pos = std::pair<float, float>;

    // The live objects of one type, in list order.
    std::vector<BaseObject*> Live(ObjectType type)
    {
        std::vector<BaseObject*> found;
        man.forEach([&](BaseObject* o) {
            if (o->getType() == type && !o->isDead()) found.push_back(o);
        });
        return found;
    }
    std::set<Pos> Positions(ObjectType type)
    {
        std::set<Pos> at;
        for (BaseObject* o : Live(type)) at.insert(o->getPosition());
        return at;
    }
    // Something that moves and can be killed or frozen, like a zombie: it
    // scans the objects it overlaps and logs its updates.
    Probe* Walker(float x, float y) { return new Probe("walker", x, y, ProbeKind{ZOMBIE_TYPE, 3, true, true}); }
    // A stand-in for a beam's contact from (x, y).
    Probe* Beam(ObjectType type, float x, float y) { return new Probe("beam", x, y, ProbeKind{type, 6, false, false}); }
    int Updates(const std::string& name)
    {
        return static_cast<int>(std::count(Probe::Log().begin(), Probe::Log().end(), "update " + name));
    }
};
