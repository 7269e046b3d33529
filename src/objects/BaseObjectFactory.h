#pragma once
#include <iosfwd>
#include <map>
#include <vector>
#include "objects/ObjectType.h"

class LevelManager;

// Makes world objects of one type. Every maker is a static object that
// registers itself in santasElves under its type while it lives; the
// registry decides which types a level file can hold and which the
// editor's palette offers.
class BaseObjectFactory {
public:
    explicit BaseObjectFactory(ObjectType type);
    virtual ~BaseObjectFactory();

    BaseObjectFactory(const BaseObjectFactory&) = delete;
    BaseObjectFactory& operator=(const BaseObjectFactory&) = delete;

    ObjectType getType() const { return type; }

    // Constructs the object, which puts itself into the world. `in` is the
    // level file positioned after the common record, or null when the
    // editor makes the object.
    virtual void create(float x, float y, LevelManager* levman, std::istream* in) = 0;

    // Makes an object of the given type through its registered maker; a
    // type without one makes nothing and reads nothing from `in`.
    static void createObject(ObjectType type, float x, float y, LevelManager* levman,
                             std::istream* in);
    // The registered types in ascending order (the palette's order).
    static std::vector<ObjectType> registeredTypes();

private:
    using Registry = std::map<ObjectType, BaseObjectFactory*>;

    ObjectType type;

    // Created by the first maker, destroyed with the last one.
    static Registry* santasElves;
    static int liveFactories;
};
