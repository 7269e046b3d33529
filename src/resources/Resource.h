#pragma once
#include <cstddef>
#include <cstdint>
#include <list>

class ResourceHandle;

// Device-side data (a GL texture, an AL buffer and source) that lives from
// its first request until shutdown. Handles reach it; they never own it.
class Resource {
public:
    Resource();
    virtual ~Resource();
    virtual void Load() = 0;

    int32_t ReleaseLevel() const { return releaseLevel; }
    size_t HandleCount() const { return handles.size(); }

    Resource(const Resource&) = delete;
    Resource& operator=(const Resource&) = delete;

private:
    friend class ResourceHandle;
    int32_t releaseLevel;
    std::list<ResourceHandle*> handles;
    std::list<Resource*>::iterator managerPosition;
};

// Attaches to one resource at a time; detached when the resource dies.
class ResourceHandle {
public:
    ResourceHandle() = default;
    virtual ~ResourceHandle();
    bool IsValid() const { return valid; }
    void Release();
    void Attach(Resource* r);

    ResourceHandle(const ResourceHandle&) = delete;
    ResourceHandle& operator=(const ResourceHandle&) = delete;

protected:
    Resource* GetResource() const { return valid ? resource : nullptr; }

private:
    bool valid = false;
    Resource* resource = nullptr;
    std::list<ResourceHandle*>::iterator position;
};
