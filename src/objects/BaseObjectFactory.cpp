#include "objects/BaseObjectFactory.h"
#include <new>
#include "shell/Assertion.h"

BaseObjectFactory::Registry* BaseObjectFactory::santasElves = nullptr;
int BaseObjectFactory::liveFactories = 0;

BaseObjectFactory::BaseObjectFactory(ObjectType type) : type(type)
{
    if (liveFactories++ == 0) santasElves = new (std::nothrow) Registry;
    VK_ASSERT(santasElves != 0, "objects");
    // A later maker for the same type takes over.
    (*santasElves)[type] = this;
}

BaseObjectFactory::~BaseObjectFactory()
{
    // Only this maker's own entry goes: a maker that was replaced must not
    // unregister the one that replaced it.
    auto entry = santasElves->find(type);
    if (entry != santasElves->end() && entry->second == this) santasElves->erase(entry);
    if (--liveFactories == 0) {
        delete santasElves;
        santasElves = nullptr;
    }
}

void BaseObjectFactory::createObject(ObjectType type, float x, float y, LevelManager* levman,
                                     std::istream* in)
{
    if (!santasElves) return;
    auto entry = santasElves->find(type);
    if (entry != santasElves->end()) entry->second->create(x, y, levman, in);
}

std::vector<ObjectType> BaseObjectFactory::registeredTypes()
{
    std::vector<ObjectType> types;
    if (santasElves)
        for (const auto& entry : *santasElves) types.push_back(entry.first);
    return types;
}
