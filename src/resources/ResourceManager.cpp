#include "resources/ResourceManager.h"
#include "resources/Resource.h"

ResourceManager* ResourceManager::Instance()
{
    static ResourceManager instance;
    return &instance;
}

void ResourceManager::ReleaseAll(int32_t minLevel)
{
    for (auto it = resources.begin(); it != resources.end();) {
        Resource* r = *it;
        ++it;  // deleting r unlinks its own entry
        if (r && minLevel <= r->ReleaseLevel()) delete r;
    }
}

std::list<Resource*>::iterator ResourceManager::Add(Resource* r)
{
    return resources.insert(resources.end(), r);
}

void ResourceManager::Remove(std::list<Resource*>::iterator position) { resources.erase(position); }
