#pragma once
#include <cstddef>
#include <cstdint>
#include <list>

class Resource;

// Keeps every live resource so that all can be destroyed together.
class ResourceManager {
public:
    static ResourceManager* Instance();

    // Deletes every resource whose release level is at least minLevel.
    void ReleaseAll(int32_t minLevel);
    size_t Count() const { return resources.size(); }

    std::list<Resource*>::iterator Add(Resource* r);
    void Remove(std::list<Resource*>::iterator position);

private:
    std::list<Resource*> resources;
};
