#pragma once
#include <cstdint>
#include "resources/Resource.h"

// Stand-in until the texture registry lands.
class TextureHandle : public ResourceHandle {
public:
    explicit TextureHandle(uint32_t id) : id(id) {}
    void SetTexture(uint32_t newId) { id = newId; }
    void Bind() {}

private:
    uint32_t id;
};
