#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include "resources/FileTable.h"
#include "resources/ResourceRegistry.h"
#include "resources/SoundDevice.h"
#include "resources/SoundObject.h"


// The registry of sounds by id (line of "sounds.txt"). Its first use opens
// the audio device; it lives until program exit.
class SoundManager {
public:
    // Told of every play that actually starts a sound (for traces).
    using PlayObserver = std::function<void(uint32_t id, bool loop)>;

    static SoundManager* Instance();
    ~SoundManager();

    void LoadList(const char* listName) { fileTable.Load(listName); }
    std::string GetFileName(uint32_t id) const { return fileTable.Get(id); }

    void Register(SoundObject* s) { sounds.Register(s); }
    void Unregister(SoundObject* s) { sounds.Unregister(s); }
    // The sound for id, created (and loaded, once enabled) on first request.
    SoundObject* GetSound(uint32_t id) { return sounds.Get(id); }
    // Enables loading and loads every registered sound, in id order.
    void LoadAll();
    bool IsEnabled() const { return enabled; }
    size_t Count() const { return sounds.Count(); }

    static void SetPlayObserver(PlayObserver observer);
    static void NotifyPlay(uint32_t id, bool loop);

    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

private:
    SoundManager();

    ResourceRegistry<SoundObject> sounds{"Couldn't register sound!", "Attempted to register pre-existing sound!"};
    FileTable fileTable;
    bool enabled = false;
    SoundDevice device;
};
