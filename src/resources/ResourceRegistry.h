#pragma once
#include <cstdint>
#include <map>
#include <string>
#include "shell/Shell.h"

// Resources of one kind by id, at most one object per id. The registry does
// not own them: each registers itself when made and unregisters when the
// resource manager deletes it. T needs GetId() and Load(), and a
// constructor from an id that registers and loads the new object.
template <class T>
class ResourceRegistry {
public:
    // The messages for registering a null object and a taken id.
    ResourceRegistry(std::string nullMessage, std::string duplicateMessage)
        : nullMessage(std::move(nullMessage)), duplicateMessage(std::move(duplicateMessage))
    {
    }

    void Register(T* r)
    {
        if (!r) {
            ErrorBox(nullMessage);
            return;
        }
        if (!byId.emplace(r->GetId(), r).second) ErrorBox(duplicateMessage);
    }

    // Only the registered object gives its id up: a duplicate that was
    // refused must not take the first one's entry with it.
    void Unregister(T* r)
    {
        if (!r) return;
        auto found = byId.find(r->GetId());
        if (found != byId.end() && found->second == r) byId.erase(found);
    }

    // The object for id, made on first request (it registers itself).
    T* Get(uint32_t id)
    {
        auto found = byId.find(id);
        if (found != byId.end()) return found->second;
        return new T(id);
    }

    // Loads every registered object, in ascending id order.
    void LoadAll()
    {
        for (auto& entry : byId) entry.second->Load();
    }

    // Deletes every registered object; each deletion unregisters it.
    void DeleteAll()
    {
        for (auto it = byId.begin(); it != byId.end();) {
            T* r = it->second;
            ++it;
            delete r;
        }
    }

    size_t Count() const { return byId.size(); }

    // Visits every registered object in ascending id order.
    template <class Visit>
    void ForEach(Visit visit) const
    {
        for (const auto& entry : byId) visit(entry.second);
    }

private:
    std::map<uint32_t, T*> byId;
    std::string nullMessage;
    std::string duplicateMessage;
};
