#include "resources/Resource.h"
#include "resources/ResourceManager.h"

Resource::Resource() : releaseLevel(2)
{
    managerPosition = ResourceManager::Instance()->Add(this);
}

Resource::~Resource()
{
    ResourceManager::Instance()->Remove(managerPosition);
    // Each Release unlinks the handle from this list, so take from the front.
    while (!handles.empty()) handles.front()->Release();
}

ResourceHandle::~ResourceHandle() { Release(); }

void ResourceHandle::Release()
{
    if (!valid) return;
    valid = false;
    resource->handles.erase(position);
}

void ResourceHandle::Attach(Resource* r)
{
    Release();
    if (!r) return;
    resource = r;
    valid = true;
    position = r->handles.insert(r->handles.end(), this);
}
