#pragma once
#include <cstdint>
#include "resources/Resource.h"

// Stand-in until the sound registry lands.
class SoundHandle : public ResourceHandle {
public:
    explicit SoundHandle(uint32_t id) : id(id) {}
    void SetSound(uint32_t newId) { id = newId; }
    void Play(bool) {}

private:
    uint32_t id;
};
